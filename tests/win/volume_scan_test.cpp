#include "scan/volume_scan.h"

#include <gtest/gtest.h>

#include "system_text.h"

#include <string>
#include <vector>

#include "fake_volumes.h"
#include "log/debug_log.h"
#include "scan/fs_signature.h"

namespace {

std::wstring WithoutSlash(const std::wstring &name) { return name.substr(0, name.size() - 1); }

// Log lines without their time stamps (24 characters and a space).
std::vector<std::wstring> LogLines() {
  std::vector<std::wstring> lines;
  std::wstring log = DebugLog;
  size_t start = 0;
  while (start < log.size()) {
    size_t end = log.find(L"\r\n", start);
    if (end == std::wstring::npos) end = log.size();
    lines.push_back(log.substr(start + 25, end - start - 25));
    start = end + 2;
  }
  return lines;
}

std::wstring FirstLine(const std::wstring &text) { return text.substr(0, text.find(L"\r\n")); }

int Yields;
std::vector<std::wstring> Presented;

void CountYield() { ++Yields; }
void RecordPresent(VolumeRecord *record) { Presented.push_back(record->textBuffer ? record->textBuffer : L"(none)"); }

class ScanTest : public ::testing::Test {
protected:
  FakeMachine machine;

  void SetUp() override {
    VolumeTable = VolumeList();
    DebugLog[0] = L'\0';
    Yields = 0;
    Presented.clear();
    PlayFakeMachine(&machine);
  }
  void TearDown() override {
    for (int i = 0; i < VolumeTable.count; ++i) {
      VirtualFree(VolumeTable.record[i].probeBuffer, 0, MEM_RELEASE);
      VirtualFree(VolumeTable.record[i].textBuffer, 0, MEM_RELEASE);
    }
    RestoreSystemVolumes();
  }

  FakeVolume &Add(int number, std::vector<unsigned char> content = ImageWith(3, "NTFS")) {
    FakeVolume volume;
    volume.name = VolumeGuidName(number);
    volume.content = std::move(content);
    machine.volumes.push_back(volume);
    return machine.volumes.back();
  }
  void Scan() {
    ASSERT_TRUE(ScanVolumes(CountYield));
    ReportVolumes(CountYield, RecordPresent);
  }
};

TEST_F(ScanTest, OneNtfsVolumeOnC) {
  Add(1);
  machine.letters[L'C'] = VolumeGuidName(1);
  Scan();
  ASSERT_EQ(1, VolumeTable.count);
  const VolumeRecord &record = VolumeTable.record[0];
  EXPECT_EQ(WithoutSlash(VolumeGuidName(1)), record.volumeName);
  EXPECT_EQ(DWORD(L'C'), record.driveLetter);
  EXPECT_EQ(1u, record.fsIndex);
  EXPECT_EQ(0u, record.errorCode);
  EXPECT_NE(INVALID_HANDLE_VALUE, record.device);

  std::wstring title = L"C: " + WithoutSlash(VolumeGuidName(1)) + L" NTFS";
  ASSERT_EQ(std::vector<std::wstring>{title}, Presented);
  EXPECT_EQ(std::vector<std::wstring>{title + L" : " + FirstLine(SystemText(0))}, LogLines());
  EXPECT_EQ(SystemText(0), std::wstring(DebugLog).substr(25 + title.size() + 3));

  // Opened by the name without its backslash, for reading and writing, sharing both.
  ASSERT_EQ(1u, machine.opens.size());
  EXPECT_EQ(WithoutSlash(VolumeGuidName(1)), machine.opens[0].name);
  EXPECT_EQ(DWORD(GENERIC_READ | GENERIC_WRITE), machine.opens[0].access);
  EXPECT_EQ(DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE), machine.opens[0].share);
  EXPECT_EQ(DWORD(OPEN_EXISTING), machine.opens[0].disposition);
  EXPECT_EQ(1, machine.closeCalls);
  // Into whole pages, as reads without the system's cache may need.
  ASSERT_EQ(1u, machine.readBuffers.size());
  EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(machine.readBuffers[0]) % 4096);
  // No yield after the first volume; one per letter, one per report.
  EXPECT_EQ(26 + 1, Yields);
}

TEST_F(ScanTest, ClassifiesEveryKindAndKeepsEnumerationOrder) {
  Add(1, ImageWith(82, "FAT32"));
  Add(2, ImageWith(54, "FAT16"));
  Add(3, ImageWith(4086, "SWAPSPACE2"));
  Add(4, ImageWith(1080, "\x53\xEF"));
  Add(5, std::vector<unsigned char>(65536, 0));
  Scan();
  ASSERT_EQ(5, VolumeTable.count);
  const wchar_t *names[] = {L"FAT32", L"FAT16", L"Linux Swap", L"Linux Ext2", L"Unknown"};
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(L"?: " + WithoutSlash(VolumeGuidName(i + 1)) + L" " + names[i], Presented[static_cast<size_t>(i)]);
  }
  EXPECT_EQ(4 + 26 + 5, Yields);
}

TEST_F(ScanTest, DriveLetters) {
  Add(1);
  Add(2);
  Add(3);
  machine.letterErrors[L'A'] = ERROR_NOT_READY; // floppy drive without a disk
  machine.letters[L'D'] = VolumeGuidName(2);
  machine.letters[L'E'] = VolumeGuidName(1);
  machine.letters[L'F'] = VolumeGuidName(2); // second letter of volume 2
  machine.letters[L'G'] = VolumeGuidName(9); // not in the table
  machine.letters[L'H'] = L"C:\\not-a-volume\\";
  Scan();
  EXPECT_EQ(DWORD(L'E'), VolumeTable.record[0].driveLetter);
  EXPECT_EQ(DWORD(L'D'), VolumeTable.record[1].driveLetter);
  EXPECT_EQ(0u, VolumeTable.record[2].driveLetter);
  EXPECT_EQ(L"?: ", Presented[2].substr(0, 3));
  EXPECT_EQ(3u, LogLines().size()) << "letter look-ups log nothing";
}

TEST_F(ScanTest, VolumeThatCannotBeOpened) {
  Add(1).openError = ERROR_ACCESS_DENIED;
  Scan();
  const VolumeRecord &record = VolumeTable.record[0];
  EXPECT_EQ(INVALID_HANDLE_VALUE, record.device);
  EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), record.errorCode);
  EXPECT_EQ(0u, record.fsIndex);
  EXPECT_TRUE(machine.reads.empty());
  std::wstring title = L"?: " + WithoutSlash(VolumeGuidName(1)) + L" Read Error";
  EXPECT_EQ(std::vector<std::wstring>{title + L" : " + FirstLine(SystemText(ERROR_ACCESS_DENIED))}, LogLines());
}

TEST_F(ScanTest, WriteAccessRefusedFallsBackToReadOnly) {
  Add(1).writeOpenError = ERROR_WRITE_PROTECT;
  Scan();
  ASSERT_EQ(2u, machine.opens.size());
  EXPECT_EQ(DWORD(GENERIC_READ | GENERIC_WRITE), machine.opens[0].access);
  EXPECT_EQ(DWORD(GENERIC_READ), machine.opens[1].access);
  EXPECT_EQ(DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE), machine.opens[1].share);
  const VolumeRecord &record = VolumeTable.record[0];
  EXPECT_NE(INVALID_HANDLE_VALUE, record.device);
  EXPECT_EQ(0u, record.errorCode);
  EXPECT_EQ(1u, record.fsIndex);
  EXPECT_EQ(1u, machine.reads.size());
}

TEST_F(ScanTest, ReadThatFails) {
  Add(1).readError = ERROR_CRC;
  Add(2);
  Scan();
  const VolumeRecord &record = VolumeTable.record[0];
  EXPECT_EQ(DWORD(ERROR_CRC), record.errorCode);
  EXPECT_EQ(0u, record.fsIndex);
  std::wstring name = WithoutSlash(VolumeGuidName(1));
  std::wstring crc = FirstLine(SystemText(ERROR_CRC));
  std::vector<std::wstring> expected = {
      name + L" : " + crc,                        // at read time
      L"?: " + name + L" Read Error : " + crc,    // report
      L"?: " + WithoutSlash(VolumeGuidName(2)) + L" NTFS : " + FirstLine(SystemText(0)),
  };
  EXPECT_EQ(expected, LogLines());
}

TEST_F(ScanTest, ShortReads) {
  std::vector<unsigned char> ntfs = ImageWith(3, "NTFS");
  Add(1, std::vector<unsigned char>(ntfs.begin(), ntfs.begin() + 1043));
  Add(2, std::vector<unsigned char>(ntfs.begin(), ntfs.begin() + 512));
  Add(3, std::vector<unsigned char>(ntfs.begin(), ntfs.begin() + 1044));
  Scan();
  EXPECT_EQ(1u, VolumeTable.record[0].fsIndex) << "bytes 1040-1042 were read as zeros";
  EXPECT_EQ(0u, VolumeTable.record[1].fsIndex);
  EXPECT_EQ(1u, VolumeTable.record[2].fsIndex);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(0xFF, VolumeTable.record[i].probeBuffer[65535]) << "unread bytes stay 0xFF";
  }
}

TEST_F(ScanTest, NoVolumes) {
  EXPECT_FALSE(ScanVolumes(CountYield));
  EXPECT_EQ(0, VolumeTable.count);
  EXPECT_EQ(std::vector<std::wstring>{L"FindFirstVolume failed : " + FirstLine(SystemText(ERROR_NO_MORE_FILES))},
            LogLines());
}

TEST_F(ScanTest, EnumerationStopsWithAnError) {
  Add(1);
  Add(2);
  Add(3);
  machine.findNextFailsAt = 2;
  machine.findNextError = ERROR_ACCESS_DENIED;
  machine.letters[L'C'] = VolumeGuidName(2);
  Scan();
  ASSERT_EQ(2, VolumeTable.count);
  std::vector<std::wstring> lines = LogLines();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(L"FindNextVolume failed : " + FirstLine(SystemText(ERROR_ACCESS_DENIED)), lines[0]);
  EXPECT_EQ(DWORD(L'C'), VolumeTable.record[1].driveLetter) << "letters are still assigned";
  EXPECT_EQ(1, machine.closeCalls);
}

TEST_F(ScanTest, ExactlyThirtyTwoVolumes) {
  for (int i = 0; i < 32; ++i) Add(i);
  machine.letters[L'Z'] = VolumeGuidName(31);
  Scan();
  EXPECT_EQ(32, VolumeTable.count);
  EXPECT_EQ(31, machine.findNextCalls);
  EXPECT_EQ(32u, LogLines().size()) << "a full table is no enumeration failure";
  EXPECT_EQ(DWORD(L'Z'), VolumeTable.record[31].driveLetter);
  EXPECT_EQ(32u, Presented.size());
}

TEST_F(ScanTest, MoreThanThirtyTwoVolumes) {
  for (int i = 0; i < 40; ++i) Add(i);
  machine.letters[L'Y'] = VolumeGuidName(35); // beyond the table: ignored
  Scan();
  EXPECT_EQ(32, VolumeTable.count);
  EXPECT_EQ(32u, machine.opens.size());
  EXPECT_EQ(32u, LogLines().size());
  for (int i = 0; i < 32; ++i) EXPECT_EQ(0u, VolumeTable.record[i].driveLetter);
}

TEST_F(ScanTest, LongestVolumeName) {
  std::wstring name = L"\\\\?\\" + std::wstring(122, L'x') + L"\\";
  ASSERT_EQ(127u, name.size());
  FakeVolume volume;
  volume.name = name;
  volume.content = ImageWith(3, "NTFS");
  machine.volumes.push_back(volume);
  machine.letters[L'Q'] = name;
  Scan();
  EXPECT_EQ(WithoutSlash(name), VolumeTable.record[0].volumeName);
  EXPECT_EQ(DWORD(L'Q'), VolumeTable.record[0].driveLetter);
  EXPECT_EQ(L"Q: " + WithoutSlash(name) + L" NTFS", Presented[0]);
}

TEST_F(ScanTest, AllocationFailureKeepsTheRecordWithoutReading) {
  Add(1);
  Add(2);
  machine.failAllocationAfter = 1; // the first volume's text buffer fails
  Scan();
  ASSERT_EQ(2, VolumeTable.count);
  EXPECT_EQ(0u, VolumeTable.record[0].fsIndex);
  EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY), VolumeTable.record[0].errorCode);
  EXPECT_EQ(0u, VolumeTable.record[1].fsIndex);
  EXPECT_TRUE(machine.reads.empty());
  std::wstring memory = FirstLine(SystemText(ERROR_NOT_ENOUGH_MEMORY));
  std::wstring name = WithoutSlash(VolumeGuidName(1));
  std::vector<std::wstring> lines = LogLines();
  ASSERT_EQ(4u, lines.size());
  EXPECT_EQ(name + L" : " + memory, lines[0]);
  EXPECT_EQ(L"?: " + name + L" Read Error : " + memory, lines[2]);
}

} // namespace
