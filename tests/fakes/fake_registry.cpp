#include "fakes/fake_registry.h"

#include <algorithm>
#include <cstring>

namespace morvane::fakes {

namespace {

constexpr std::uint32_t kKeyQueryValue = 0x0001;

RegistryCall CallOf(RegistryOp op, platform::RegistryKey key = 0) {
  RegistryCall call;
  call.op = op;
  call.key = key;
  return call;
}

RegistryCall KeyCall(RegistryOp op, platform::RegistryRoot root, const std::string& subkey,
                     std::uint32_t access) {
  RegistryCall call = CallOf(op);
  call.root = root;
  call.subkey = subkey;
  call.access = access;
  return call;
}

std::string Folded(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

}  // namespace

FakeRegistry::KeyPath FakeRegistry::PathOf(platform::RegistryRoot root, const std::string& subkey) {
  return {root, Folded(subkey)};
}

void FakeRegistry::AddKey(platform::RegistryRoot root, const std::string& subkey) {
  keys_[PathOf(root, subkey)];
}

bool FakeRegistry::HasKey(platform::RegistryRoot root, const std::string& subkey) const {
  return keys_.contains(PathOf(root, subkey));
}

void FakeRegistry::StoreValue(platform::RegistryRoot root, const std::string& subkey,
                              const std::string& name, std::uint32_t type, std::string data) {
  keys_[PathOf(root, subkey)][Folded(name)] = RegistryValue{type, std::move(data)};
}

void FakeRegistry::StoreString(platform::RegistryRoot root, const std::string& subkey,
                               const std::string& name, const std::string& text) {
  StoreValue(root, subkey, name, platform::kRegSz, text + '\0');
}

std::optional<RegistryValue> FakeRegistry::StoredValue(platform::RegistryRoot root,
                                                       const std::string& subkey,
                                                       const std::string& name) const {
  auto key = keys_.find(PathOf(root, subkey));
  if (key == keys_.end()) return std::nullopt;
  auto value = key->second.find(Folded(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second;
}

void FakeRegistry::FailOpenKey(std::uint32_t access, long result) {
  openKeyFaults_[access] = result;
}

void FakeRegistry::FailCreateKey(long result) { createKeyFault_ = result; }

void FakeRegistry::FailQueryValue(const std::string& name, long result) {
  queryFaults_[Folded(name)] = result;
}

void FakeRegistry::FailSetValue(const std::string& name, long result) {
  setFaults_[Folded(name)] = result;
}

void FakeRegistry::FailCloseKey(long result) { closeKeyFault_ = result; }

void FakeRegistry::ScriptResult(RegistryOp op, long result) {
  scriptedResults_[op].push_back(result);
}

void FakeRegistry::ScriptQueryValue(ScriptedQuery answer) {
  scriptedQueries_.push_back(std::move(answer));
}

std::vector<RegistryCall> FakeRegistry::CallsOf(RegistryOp op) const {
  std::vector<RegistryCall> found;
  std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
               [op](const RegistryCall& call) { return call.op == op; });
  return found;
}

std::optional<long> FakeRegistry::TakeScripted(RegistryOp op) {
  auto queue = scriptedResults_.find(op);
  if (queue == scriptedResults_.end() || queue->second.empty()) return std::nullopt;
  long result = queue->second.front();
  queue->second.pop_front();
  return result;
}

long FakeRegistry::Record(RegistryCall call, long result) {
  call.result = result;
  calls_.push_back(std::move(call));
  return result;
}

long FakeRegistry::GiveHandle(const KeyPath& path, std::uint32_t access,
                              platform::RegistryKey& key) {
  key = nextHandle_++;
  handles_[key] = Handle{path, access};
  return kRegistrySuccess;
}

long FakeRegistry::OpenKey(platform::RegistryRoot root, const std::string& subkey,
                           std::uint32_t access, platform::RegistryKey& key) {
  RegistryCall call = KeyCall(RegistryOp::OpenKey, root, subkey, access);
  const KeyPath path = PathOf(root, subkey);
  std::optional<long> result = TakeScripted(RegistryOp::OpenKey);
  if (!result) {
    if (auto fault = openKeyFaults_.find(access); fault != openKeyFaults_.end()) {
      result = fault->second;
    } else {
      result = keys_.contains(path) ? kRegistrySuccess : kRegistryFileNotFound;
    }
  }
  if (*result == kRegistrySuccess) GiveHandle(path, access, key);
  call.key = *result == kRegistrySuccess ? key : 0;
  return Record(std::move(call), *result);
}

long FakeRegistry::CreateKey(platform::RegistryRoot root, const std::string& subkey,
                             std::uint32_t access, platform::RegistryKey& key) {
  RegistryCall call = KeyCall(RegistryOp::CreateKey, root, subkey, access);
  std::optional<long> result = TakeScripted(RegistryOp::CreateKey);
  if (!result) result = createKeyFault_.value_or(kRegistrySuccess);
  if (*result == kRegistrySuccess) {
    const KeyPath path = PathOf(root, subkey);
    keys_[path];
    GiveHandle(path, access, key);
    call.key = key;
  }
  return Record(std::move(call), *result);
}

long FakeRegistry::AnswerScriptedQuery(std::uint8_t* data, std::uint32_t& size) {
  ScriptedQuery answer = std::move(scriptedQueries_.front());
  scriptedQueries_.pop_front();
  if (data != nullptr) {
    std::copy_n(answer.bytes.data(), std::min<std::size_t>(answer.bytes.size(), size), data);
  }
  size = answer.reportedSize;
  return answer.result;
}

long FakeRegistry::QueryValue(platform::RegistryKey key, const std::string& name,
                              std::uint8_t* data, std::uint32_t& size) {
  RegistryCall call = CallOf(RegistryOp::QueryValue, key);
  call.name = name;
  call.size = size;
  if (!scriptedQueries_.empty()) return Record(std::move(call), AnswerScriptedQuery(data, size));

  auto handle = handles_.find(key);
  if (handle == handles_.end()) return Record(std::move(call), kRegistryInvalidHandle);
  if ((handle->second.access & kKeyQueryValue) == 0) {
    return Record(std::move(call), kRegistryAccessDenied);
  }
  if (auto fault = queryFaults_.find(Folded(name)); fault != queryFaults_.end()) {
    return Record(std::move(call), fault->second);
  }
  const auto& values = keys_[handle->second.path];
  auto value = values.find(Folded(name));
  if (value == values.end()) return Record(std::move(call), kRegistryFileNotFound);

  const std::string& bytes = value->second.data;
  const std::uint32_t offered = size;
  size = static_cast<std::uint32_t>(bytes.size());
  if (data == nullptr) return Record(std::move(call), kRegistrySuccess);
  if (offered < bytes.size()) return Record(std::move(call), kRegistryMoreData);
  std::copy_n(bytes.data(), bytes.size(), data);
  return Record(std::move(call), kRegistrySuccess);
}

long FakeRegistry::SetValue(platform::RegistryKey key, const std::string& name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) {
  RegistryCall call = CallOf(RegistryOp::SetValue, key);
  call.name = name;
  call.type = type;
  call.size = size;
  if (data != nullptr && size > 0) call.data.assign(reinterpret_cast<const char*>(data), size);

  auto handle = handles_.find(key);
  long result = kRegistrySuccess;
  if (std::optional<long> scripted = TakeScripted(RegistryOp::SetValue)) {
    result = *scripted;
  } else if (handle == handles_.end()) {
    result = kRegistryInvalidHandle;
  } else if ((handle->second.access & platform::kKeySetValue) == 0) {
    result = kRegistryAccessDenied;
  } else if (auto fault = setFaults_.find(Folded(name)); fault != setFaults_.end()) {
    result = fault->second;
  }
  if (result == kRegistrySuccess && handle != handles_.end()) {
    keys_[handle->second.path][Folded(name)] = RegistryValue{type, call.data};
  }
  return Record(std::move(call), result);
}

long FakeRegistry::CloseKey(platform::RegistryKey key) {
  RegistryCall call = CallOf(RegistryOp::CloseKey, key);
  std::optional<long> result = TakeScripted(RegistryOp::CloseKey);
  const bool known = handles_.erase(key) > 0;
  if (!result) result = known ? closeKeyFault_.value_or(kRegistrySuccess) : kRegistryInvalidHandle;
  return Record(std::move(call), *result);
}

}  // namespace morvane::fakes
