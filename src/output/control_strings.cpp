#include "output/control_strings.h"

namespace morvane::output {

const char* DeviceName(OutputTarget target) {
  switch (target) {
    case OutputTarget::Lpt1:
      return "LPT1";
    case OutputTarget::Lpt2:
      return "LPT2";
    case OutputTarget::Lpt3:
      return "LPT3";
    case OutputTarget::Com1:
      return "COM1";
    case OutputTarget::Com2:
      return "COM2";
    case OutputTarget::Win:
      break;
  }
  return "";
}

}  // namespace morvane::output
