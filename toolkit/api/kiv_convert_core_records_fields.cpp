#include "toolkit/api/kiv_convert_core_records_fields.h"

#include "toolkit/api/kiv_convert_basic.h"

void kivOptionalTextToCodec(BerOctets* dst, const std::unique_ptr<KivInternationalString>& src) {
    KivInternationalStringToCodec(dst, src.get());
}

void kivTimeToCodec(BerOctets* dst, const std::optional<std::string>& src) {
    KivCStringToCodec(dst, src);
}

BerInteger kivEnumToCodec(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high ? value : 0;
}

void kivOptionalTextFromCodec(std::unique_ptr<KivInternationalString>* dst, const BerOctets& src) {
    if (src.length != 0) KivNewInternationalStringFromCodec(dst, &src);
}

void kivTimeFromCodec(std::optional<std::string>* dst, const BerOctets& src) {
    if (src.length != 0) KivCStringFromCodec(dst, &src);
}

int32_t kivEnumFromCodec(BerInteger value, int32_t low, int32_t high) {
    return value >= low && value <= high ? value : -1;
}
