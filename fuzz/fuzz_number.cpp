// The number rule over any text, read as UTF-8 and as Windows-1252.
#include "FuzzSupport.h"
#include "model/core/NumberReading.h"
#include "model/core/TextEncoding.h"

#include <cmath>

namespace {

void check(const QString& field)
{
    const double value = mdlRKVUtilities::LeadingNumberOf(field);
    fuzz::Require(!std::isnan(value), "a number, never NaN");
    if (const std::optional<qint32> byte = mdlRKVUtilities::ReadNumber(field, 0, 255))
        fuzz::Require(*byte >= 0 && *byte <= 255, "a value within the asked range");
    if (const std::optional<qint32> whole = mdlRKVUtilities::ReadNumber(field))
        fuzz::Require(std::fabs(double(*whole) - value) <= 0.5, "the nearest whole number");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    check(QString::fromUtf8(bytes));
    check(mdlRKVUtilities::DecodeWindows1252(bytes));
    return 0;
}
