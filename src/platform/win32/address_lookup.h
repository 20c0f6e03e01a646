#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdint>
#include <string>

#include "platform/network.h"
#include "platform/win32/window_answering_wait.h"

namespace morvane::platform::win32 {

// The addresses a host's name resolves to, freed with the list.
class AddressList {
 public:
  AddressList() = default;
  explicit AddressList(ADDRINFOW* first) : first_(first) {}
  ~AddressList();
  AddressList(AddressList&& other) noexcept;
  AddressList& operator=(AddressList&& other) noexcept;
  AddressList(const AddressList&) = delete;
  AddressList& operator=(const AddressList&) = delete;

  const ADDRINFOW* First() const { return first_; }
  int Count() const;

 private:
  ADDRINFOW* first_ = nullptr;
};

// The TCP addresses of host's port. An address in the host's place is read at
// once; a name is looked up on a thread of its own, as a lookup may wait long
// for the name servers, while this thread waits answering its windows. A wait
// that ends first (its deadline, or `waiter` cancelled) leaves the lookup to
// finish alone. An empty list on failure, which error describes.
AddressList LookUpAddresses(const std::string& host, std::uint16_t port,
                            WindowAnsweringWait& waiter, std::int64_t deadline,
                            NetworkError& error);

}  // namespace morvane::platform::win32
