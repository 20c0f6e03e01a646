#pragma once

#include "fakes/fake_platform.h"
#include "output/message_sink.h"
#include "output/output_services.h"
#include "platform/msg.h"

namespace morvane::testing {

// The services a copy is sent with, all faked, boxes owned by `owner`.
struct OutputRig {
  explicit OutputRig(base::WindowHandle owner) : msg(fake.boxes, [owner] { return owner; }) {}

  fakes::FakePlatform fake;
  platform::Msg msg;
  output::MessageSink messages{msg, fake.cursor};
  output::OutputServices services{fake.files,  fake.spooler, fake.network, fake.registry,
                                  fake.system, fake.pump,    fake.clock,   messages};
};

}  // namespace morvane::testing
