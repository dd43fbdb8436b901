// SPDX-License-Identifier: GPL-3.0-or-later
// kel_check built without Qt reports in English.
#include "tools/kel_check/reader_language.h"

namespace kelvaro {

const ReportWords& readersWords(int&, char**) { return englishWords(); }

} // namespace kelvaro
