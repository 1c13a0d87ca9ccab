#include "toolkit/asn1/ber_external_members.h"

#include "toolkit/asn1/ber_tag_length.h"

uint32_t ASN_WrapExternalMember(BerBuffer& buf, uint32_t contents, uint8_t identifier) {
    const uint32_t total = contents + ASN_EncodeLength(buf, contents) + 1;
    ASN_PutOctet(buf, identifier);
    return total;
}

uint32_t ASN_EncodeExternalReferences(BerBuffer& buf, const BerOid* directReference,
                                      const BerInteger* indirectReference,
                                      const BerOctets* dataValueDescriptor) {
    uint32_t total = 0;
    if (dataValueDescriptor->octets != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeOctetStringContent(buf, dataValueDescriptor), 0x07);
    }
    if (indirectReference != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeIntegerContent(buf, *indirectReference), 0x02);
    }
    if (directReference->octets != nullptr) {
        total += ASN_WrapExternalMember(buf, ASN_EncodeOidContent(buf, directReference), 0x06);
    }
    return total;
}

void ASN_PrintExternalLabel(std::FILE* out, bool& first, uint16_t indent, const char* label) {
    if (!first) std::fputs(",\n", out);
    first = false;
    ASN_PrintIndent(out, static_cast<uint16_t>(indent + kBerIndentStep));
    std::fputs(label, out);
}

void ASN_PrintExternalReferences(std::FILE* out, bool& first, uint16_t indent, const BerOid* directReference,
                                 const BerInteger* indirectReference, const BerOctets* dataValueDescriptor) {
    if (directReference->octets != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "direct-reference ");
        ASN_PrintOid(out, directReference);
    }
    if (indirectReference != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "indirect-reference ");
        ASN_PrintInteger(out, *indirectReference);
    }
    if (dataValueDescriptor->octets != nullptr) {
        ASN_PrintExternalLabel(out, first, indent, "data-value-descriptor ");
        ASN_PrintOctetString(out, dataValueDescriptor);
    }
}
