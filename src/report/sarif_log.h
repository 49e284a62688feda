// The SARIF 2.1.0 log (--sarif): one run whose results are the raised
// quality notices, written as they are raised.
#pragma once

#include <string>

#include "zav/global_data.h"

namespace zav {

void BeginSarifLog(GlobalData& G);
void WriteSarifResult(GlobalData& G, const MachineNotice& notice);
void EndSarifLog(GlobalData& G);

// The rule id of a notice number ("ZAV028").
std::string SarifRuleId(int number);

// The URI of a file name: "\" read as "/", every byte outside the
// unreserved characters and "/" percent-encoded. A name inside `root` (an
// absolute directory) or a relative name becomes a reference relative to
// the root, without leading "./"; any other absolute name a "file://" URI.
std::string FileUri(const std::string& name, const std::string& root);

}  // namespace zav
