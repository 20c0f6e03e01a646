#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

namespace morvane::fakes {

// Result codes as the platform numbers them.
inline constexpr long kRegistrySuccess = 0;
inline constexpr long kRegistryFileNotFound = 2;
inline constexpr long kRegistryAccessDenied = 5;
inline constexpr long kRegistryInvalidHandle = 6;
inline constexpr long kRegistryMoreData = 234;

struct RegistryValue {
  std::uint32_t type = 0;
  std::string data;
};

enum class RegistryOp { OpenKey, CreateKey, QueryValue, SetValue, CloseKey };

// One call with its arguments and the result it got.
struct RegistryCall {
  RegistryOp op{};
  platform::RegistryRoot root{};
  std::string subkey;
  std::uint32_t access = 0;
  platform::RegistryKey key = 0;
  std::string name;
  std::uint32_t type = 0;
  // SetValue: the bytes given.
  std::string data;
  // QueryValue: the bytes offered; SetValue: the size given.
  std::uint32_t size = 0;
  long result = 0;
};

// The answer of one QueryValue call, whatever is stored: `bytes` go into the
// caller's buffer (never more than offered) and `reportedSize` comes back as
// the value's size.
struct ScriptedQuery {
  long result = kRegistrySuccess;
  std::uint32_t reportedSize = 0;
  std::string bytes;
};

// Keys and values in memory, compared without regard to the case of ASCII
// letters as the registry does. Handles check their access rights: values are
// read with KEY_QUERY_VALUE and written with KEY_SET_VALUE.
class FakeRegistry final : public platform::Registry {
 public:
  void AddKey(platform::RegistryRoot root, const std::string& subkey);
  bool HasKey(platform::RegistryRoot root, const std::string& subkey) const;
  void StoreValue(platform::RegistryRoot root, const std::string& subkey, const std::string& name,
                  std::uint32_t type, std::string data);
  // A REG_SZ value: the text and its terminating zero.
  void StoreString(platform::RegistryRoot root, const std::string& subkey, const std::string& name,
                   const std::string& text);
  std::optional<RegistryValue> StoredValue(platform::RegistryRoot root, const std::string& subkey,
                                           const std::string& name) const;

  // OpenKey with exactly this access mask fails with `result`.
  void FailOpenKey(std::uint32_t access, long result);
  void FailCreateKey(long result);
  void FailQueryValue(const std::string& name, long result);
  void FailSetValue(const std::string& name, long result);
  // CloseKey reports `result`; the handle is closed all the same.
  void FailCloseKey(long result);
  // Queued answers, each taken by the next call of its kind. A scripted
  // success of OpenKey or CreateKey hands out a handle even to a missing key.
  void ScriptResult(RegistryOp op, long result);
  void ScriptQueryValue(ScriptedQuery answer);

  const std::vector<RegistryCall>& Calls() const { return calls_; }
  std::vector<RegistryCall> CallsOf(RegistryOp op) const;
  std::size_t OpenHandleCount() const { return handles_.size(); }

  long OpenKey(platform::RegistryRoot root, const std::string& subkey, std::uint32_t access,
               platform::RegistryKey& key) override;
  long CreateKey(platform::RegistryRoot root, const std::string& subkey, std::uint32_t access,
                 platform::RegistryKey& key) override;
  long QueryValue(platform::RegistryKey key, const std::string& name, std::uint8_t* data,
                  std::uint32_t& size) override;
  long SetValue(platform::RegistryKey key, const std::string& name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size) override;
  long CloseKey(platform::RegistryKey key) override;

 private:
  using KeyPath = std::pair<platform::RegistryRoot, std::string>;
  struct Handle {
    KeyPath path;
    std::uint32_t access;
  };

  static KeyPath PathOf(platform::RegistryRoot root, const std::string& subkey);
  std::optional<long> TakeScripted(RegistryOp op);
  long Record(RegistryCall call, long result);
  long GiveHandle(const KeyPath& path, std::uint32_t access, platform::RegistryKey& key);
  long AnswerScriptedQuery(std::uint8_t* data, std::uint32_t& size);

  std::map<KeyPath, std::map<std::string, RegistryValue>> keys_;
  std::map<platform::RegistryKey, Handle> handles_;
  platform::RegistryKey nextHandle_ = 0x100;

  std::map<std::uint32_t, long> openKeyFaults_;
  std::optional<long> createKeyFault_;
  std::map<std::string, long> queryFaults_;
  std::map<std::string, long> setFaults_;
  std::optional<long> closeKeyFault_;
  std::map<RegistryOp, std::deque<long>> scriptedResults_;
  std::deque<ScriptedQuery> scriptedQueries_;

  std::vector<RegistryCall> calls_;
};

}  // namespace morvane::fakes
