#pragma once
// Resident memory as Linux reports it in /proc/PID/status, read in one place
// for the start-up report, the benchmarks and the tests.

#include <sys/types.h>

// Resident memory (VmRSS) of process `pid` (0: this one) in kilobytes; -1
// when it cannot be read.
long ResidentKilobytes(pid_t pid = 0);
// The peak of this process's resident memory (VmHWM) in kilobytes since it
// started or since the last ResetPeakResident; -1 when it cannot be read.
long PeakResidentKilobytes();
// Starts a new peak at the resident memory of now.
void ResetPeakResident();
