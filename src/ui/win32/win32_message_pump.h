#pragma once

#include "platform/message_pump.h"

namespace morvane::ui::win32 {

class Win32MessagePump : public platform::MessagePump {
 public:
  void ProcessMessages() override;
  void WaitForMessages(int milliseconds) override;
};

}  // namespace morvane::ui::win32
