#pragma once

#include <QString>

namespace kalkora {

// Caption of a page's percentage label: the share of right answers as a whole
// number (halves away from zero, no digit at all when it rounds to 0), then
// " %". Before the first check the label reads "100 %".
QString percentCaption(qint64 right, qint64 given);

} // namespace kalkora
