#include "cli/commands.h"

namespace helion::cli {
namespace {
int status = 0;
}

void setExitStatus(int s) { status = s; }
int exitStatus() { return status; }

}  // namespace helion::cli
