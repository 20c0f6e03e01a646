#include "platform/win32/address_lookup.h"

#include <windows.h>

#include <utility>

#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

// One lookup, shared by the thread that waits for it and the thread that
// does it; the last of the two to let go frees it.
struct Lookup {
  volatile LONG holders = 2;
  HANDLE done = nullptr;
  std::wstring host;
  std::wstring service;
  ADDRINFOW* result = nullptr;
  int status = 0;
};

void LetGo(Lookup* lookup) {
  if (InterlockedDecrement(&lookup->holders) != 0) return;
  if (lookup->result) FreeAddrInfoW(lookup->result);
  CloseHandle(lookup->done);
  delete lookup;
}

ADDRINFOW Hints(int flags) {
  ADDRINFOW hints{};
  hints.ai_flags = flags;
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  return hints;
}

DWORD WINAPI LookUp(LPVOID parameter) {
  Lookup* lookup = static_cast<Lookup*>(parameter);
  // The thread holds the library itself, so that the lookup may outlive the
  // caller's hold on it.
  WSADATA data;
  const bool started = WSAStartup(MAKEWORD(2, 2), &data) == 0;
  const ADDRINFOW hints = Hints(0);
  lookup->status =
      GetAddrInfoW(lookup->host.c_str(), lookup->service.c_str(), &hints, &lookup->result);
  if (started) WSACleanup();
  SetEvent(lookup->done);
  LetGo(lookup);
  return 0;
}

NetworkError LookupFailure(int status) {
  switch (status) {
    case WSAHOST_NOT_FOUND:
    case WSANO_DATA:
    case WSATRY_AGAIN:
    case WSANO_RECOVERY:
      return {NetworkFailure::NameNotFound, status};
    default:
      return {NetworkFailure::Other, status};
  }
}

// A bracketed IPv6 address stands for the address inside.
std::string Unbracketed(const std::string& host) {
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    return host.substr(1, host.size() - 2);
  }
  return host;
}

AddressList LookUpName(const std::wstring& host, const std::wstring& service,
                       WindowAnsweringWait& waiter, std::int64_t deadline, NetworkError& error) {
  Lookup* lookup = new Lookup;
  lookup->host = host;
  lookup->service = service;
  lookup->done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!lookup->done) {
    error = {NetworkFailure::Other, static_cast<int>(GetLastError())};
    delete lookup;
    return {};
  }
  const HANDLE thread = CreateThread(nullptr, 0, LookUp, lookup, 0, nullptr);
  if (!thread) {
    error = {NetworkFailure::Other, static_cast<int>(GetLastError())};
    lookup->holders = 1;
    LetGo(lookup);
    return {};
  }
  CloseHandle(thread);
  const WaitEnd end = waiter.Until(lookup->done, deadline);
  AddressList addresses;
  if (end == WaitEnd::Signalled) {
    if (lookup->status == 0 && lookup->result) {
      addresses = AddressList(std::exchange(lookup->result, nullptr));
    } else {
      error = LookupFailure(lookup->status == 0 ? WSAHOST_NOT_FOUND : lookup->status);
    }
  } else if (end == WaitEnd::TimedOut) {
    error = {NetworkFailure::NoAnswer, WSAETIMEDOUT};
  } else if (end == WaitEnd::Cancelled) {
    error = {NetworkFailure::Cancelled, 0};
  } else {
    error = {NetworkFailure::Other, static_cast<int>(GetLastError())};
  }
  LetGo(lookup);
  return addresses;
}

}  // namespace

AddressList::~AddressList() {
  if (first_) FreeAddrInfoW(first_);
}

AddressList::AddressList(AddressList&& other) noexcept
    : first_(std::exchange(other.first_, nullptr)) {}

AddressList& AddressList::operator=(AddressList&& other) noexcept {
  if (this != &other) {
    if (first_) FreeAddrInfoW(first_);
    first_ = std::exchange(other.first_, nullptr);
  }
  return *this;
}

int AddressList::Count() const {
  int count = 0;
  for (const ADDRINFOW* address = first_; address; address = address->ai_next) ++count;
  return count;
}

AddressList LookUpAddresses(const std::string& host, std::uint16_t port,
                            WindowAnsweringWait& waiter, std::int64_t deadline,
                            NetworkError& error) {
  const std::wstring wideHost = WideFromName(Unbracketed(host));
  if (wideHost.empty()) {
    error = {NetworkFailure::NameNotFound, WSAHOST_NOT_FOUND};
    return {};
  }
  const std::wstring service = std::to_wstring(port);
  // An address needs no name server, and so no thread.
  const ADDRINFOW numeric = Hints(AI_NUMERICHOST);
  ADDRINFOW* result = nullptr;
  if (GetAddrInfoW(wideHost.c_str(), service.c_str(), &numeric, &result) == 0 && result) {
    return AddressList(result);
  }
  return LookUpName(wideHost, service, waiter, deadline, error);
}

}  // namespace morvane::platform::win32
