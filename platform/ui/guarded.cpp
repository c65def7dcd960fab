#include "platform/ui/guarded.h"

#include <cstdio>
#include <exception>

#include "platform/ui/application.h"

namespace fw::detail {

void ReportEscaped(const std::string& what, bool quiet) noexcept {
  static bool boxOpen = false;
  try {
    std::string why = "an unknown error";
    try {
      throw;
    } catch (const std::exception& e) {
      why = e.what();
    } catch (...) {
    }
    std::fprintf(stderr, "Taktora: %s stopped on an error in the program: %s\n", what.c_str(),
                 why.c_str());
    if (quiet || boxOpen) return;
    boxOpen = true;
    MsgBox("Taktora could not finish " + what + ": " + why +
           ". Nothing more of it was done; the program goes on.");
    boxOpen = false;
  } catch (...) {
    boxOpen = false;
  }
}

}  // namespace fw::detail
