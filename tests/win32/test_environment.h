#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace morvane::testing {

// A setting of the Wine test environment (tests/win32/test-environment);
// fails the calling test when it is missing.
std::string EnvironmentValue(const char* name);

// The Windows name (drive Z:) of an absolute Unix path.
std::string WindowsPath(const std::string& unixPath);

// A document name no earlier run has used.
std::string UniqueDocumentName(const std::string& stem);

// The folder in which the capture backend keeps the jobs of queue.
std::string CaptureFolder(const std::string& queue);

// Waits for the job whose title is documentName to arrive at queue's capture
// backend and returns its bytes; nothing when it didn't arrive in time.
std::optional<std::string> WaitForCapturedJob(const std::string& queue,
                                              const std::string& documentName,
                                              std::chrono::milliseconds timeout);

// Whether a job with that title arrived at queue, looking once.
bool JobArrived(const std::string& queue, const std::string& documentName);

}  // namespace morvane::testing
