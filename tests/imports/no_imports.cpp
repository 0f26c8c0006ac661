// A program with no import table: the import check must fail on it rather than pass over an
// empty list.
extern "C" void mainCRTStartup() {}
