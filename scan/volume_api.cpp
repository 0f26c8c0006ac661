#include "scan/volume_api.h"

#include <stdlib.h>

const VolumeApi SystemVolumeApi = {
    FindFirstVolumeW, FindNextVolumeW, FindVolumeClose, GetVolumeNameForVolumeMountPointW, CreateFileW, ReadFile, malloc,
};

VolumeApi ScanApi = SystemVolumeApi;
