// The shared value printers: texts and their hexadecimal lines, booleans, numbers, OtherInformation,
// attribute elements, terms, units, specifications, permissions and the invalid-APDU dump.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/trace/trace_capture.h"
#include "toolkit/api/kivproto.h"
#include "toolkit/trace/trace_printers.h"

namespace {

using trace_test::octets;
using trace_test::printed;
using trace_test::text;

TEST(TraceValuePrinters, TextLineEndsAtZeroOctetAndHexLineShowsEveryOctet) {
    const KivInternationalString withZero{std::string("a\0b", 3)};
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInternationalString(f, &withZero); }), "a\nHex: 610062\n");
    const KivOctets octetsWithZero{std::string("a\0b", 3)};
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintOctets(f, &octetsWithZero); }), "a\n");

    const KivInternationalString empty;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInternationalString(f, &empty); }), "\nHex: \n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintInternationalString(f, nullptr); }), "NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedOctets(f, "psReferenceId", nullptr); }),
              "psReferenceId: NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedInternationalString(f, "psUserId", nullptr); }),
              "psUserId: NULL\n");
}

TEST(TraceValuePrinters, HexLineHasLowerCasePairsWithoutSeparators) {
    const std::string bytes("\x0a\xff", 2);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintHex(f, bytes.data(), 2); }), "Hex: 0aff\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintHex(f, nullptr, 4); }), "Hex: NULL \n");
    const std::string longValue(300, '\x5c');
    const std::string dump = printed([&](std::FILE* f) { KivPrintHex(f, longValue.data(), 300); });
    EXPECT_EQ(dump.size(), std::string("Hex: \n").size() + 600);
    EXPECT_EQ(dump.find('\n'), dump.size() - 1);
    EXPECT_EQ(KivHexDigit(0x1f), 'f');
    EXPECT_EQ(KivHexDigit(0x0a), 'a');
    EXPECT_EQ(KivHexDigit(9), '9');
}

TEST(TraceValuePrinters, BooleansNumbersTextsAndNullComponents) {
    const uint32_t two = 2, zero = 0, allOnes = 0xFFFFFFFF;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintBoolean(f, &two); }), "KIV_TRUE\n");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintBoolean(f, &zero); }), "KIV_FALSE\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedBoolean(f, "pfExclusion", nullptr); }),
              "pfExclusion: NULL\n");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintNamedInteger(f, "pulTagType", &allOnes); }),
              "pulTagType: -1\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedInteger(f, "pulTagType", nullptr); }),
              "pulTagType: NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedText(f, "pcSchema", std::string("1.2.3")); }),
              "pcSchema: 1.2.3\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedText(f, "pcSchema", std::nullopt); }),
              "pcSchema: NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedNull(f, "pvAnyOrNone", true); }),
              "pvAnyOrNone: Value Defined\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedNull(f, "pvAnyOrNone", false); }),
              "pvAnyOrNone: NULL\n");
}

TEST(TraceValuePrinters, DataIsNeverTakenAsAFormat) {
    const std::string hostile = "%s%n%d%%";
    const KivInternationalString string{hostile};
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInternationalString(f, &string); }),
              hostile + "\nHex: 2573256e25642525\n");
    const KivOctets octetString{hostile};
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintOctets(f, &octetString); }), hostile + "\n");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintNamedText(f, "pcSchema", hostile); }),
              "pcSchema: " + hostile + "\n");

    KivExternal external;
    external.pcObjectIdentifier = hostile;
    external.eValueType = EVT_OctetAligned;
    external.uExternalValue.psOctetAligned = octets(hostile);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintExternal(f, &external); }),
              "\n\tObjectIdentifier: " + hostile +
                  "\n\teValueType: EVT_OctetAligned\n\tpsOctetAligned:" + hostile + "\n");

    KivArray<KivAttributeElement> list;
    trace_test::addAttribute(list, hostile.c_str(), 1, 4);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAttributeElement(f, list[0]); }),
              "\npcAttributeSetId: " + hostile + " attype: 1 attval: 4   ");
}

TEST(TraceValuePrinters, OtherInformationListOfOneObjectIdentifier) {
    KivArray<KivOtherInformation> list;
    KivOtherInformation* item = list.emplace();
    item->eInformationType = IT_ObjectIdentifier;
    item->uInformation.pcObjectIdentifier = "1.2.840.10003.10.1";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintOtherInformationList(f, list); }),
              "\n\tpsInfoCategory: NULL\n\teInformationType: IT_ObjectIdentifier\n"
              "\tpcObjectIdentifier:1.2.840.10003.10.1\n\n\n");

    KivOtherInformation* binary = list.emplace();
    binary->psInfoCategory = std::make_unique<KivInfoCategory>();
    binary->psInfoCategory->ulCategoryValue = 7;
    binary->eInformationType = IT_BinaryInfo;
    binary->uInformation.psBinaryInfo = octets("bin");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintOtherInformationList(f, list); }),
              "\n\tpsInfoCategory: NULL\n\teInformationType: IT_ObjectIdentifier\n"
              "\tpcObjectIdentifier:1.2.840.10003.10.1\n\n"
              "\n\tpsInfoCategory: \n\tpcCategoryTypeId: NULL\n\tulCategoryValue: 7\n"
              "\teInformationType: IT_BinaryInfo\n\tpsBinaryInfo: bin\n\n\n");

    EXPECT_EQ(printed([](std::FILE* f) { KivPrintOtherInformationList(f, KivArray<KivOtherInformation>()); }),
              "NULL\n\n");
    EXPECT_EQ(printed([](std::FILE* f) {
                  KivPrintOtherInformationList(f, KivArray<KivOtherInformation>::emptyArray());
              }),
              "\n");
}

TEST(TraceValuePrinters, NumericAttributeElementLeavesItsLineOpen) {
    KivArray<KivAttributeElement> list;
    trace_test::addAttribute(list, "1.2.840.10003.3.1", 1, 4);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAttributeElement(f, list[0]); }),
              "\npcAttributeSetId: 1.2.840.10003.3.1 attype: 1 attval: 4   ");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAttributeList(f, list); }),
              "\npcAttributeSetId: 1.2.840.10003.3.1 attype: 1 attval: 4   \n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintAttributeList(f, KivArray<KivAttributeElement>()); }), "\n");
}

TEST(TraceValuePrinters, ComplexAttributeValueBlock) {
    KivAttributeElement element;
    element.ulAttributeType = 1;
    element.sAttributeValue.eAttributeValueType = 2;
    auto& complex = element.sAttributeValue.uAttributeValue.psComplexValue;
    complex = std::make_unique<KivComplexValue>();
    KivStringOrNumeric* name = complex->ppsList.emplace();
    name->eStringOrNumeric = 1;
    name->uStringOrNumeric.psString = text("ti");
    KivStringOrNumeric* number = complex->ppsList.emplace();
    number->eStringOrNumeric = 2;
    number->uStringOrNumeric.ulNumeric = 4;
    const std::string block =
        "\npcAttributeSetId: NULL attype: 1 \nComplex attval: \n#####################\nStart of complexval: "
        "\n"
        "\npsStringOrNumeric: \npsString: ti\nHex: 7469\n"
        "\npsStringOrNumeric: \nulNumeric: 4\n"
        "\n\nppulSemanticAction list: ";
    const std::string end = "End of complexval: \n#####################\n";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAttributeElement(f, &element); }),
              block + "NULL\n\n" + end);

    complex->ppulSemanticAction.emplace(1u);
    complex->ppulSemanticAction.emplace(3u);
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintAttributeElement(f, &element); }),
              block + "\npulSemanticAction: 1\npulSemanticAction: 3\n\n" + end);
}

TEST(TraceValuePrinters, TermsByType) {
    KivTerm term;
    term.eTermType = TT_Null;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTerm(f, term.eTermType, term.uTerm); }), "\nTT_Null: ");
    term.eTermType = TT_Numeric;
    term.uTerm.ulInteger = 1999;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTerm(f, term.eTermType, term.uTerm); }),
              "\nulInteger: 1999\n");
    term.eTermType = TT_DateTime;
    term.uTerm.pcDateTime = "19991231";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTerm(f, term.eTermType, term.uTerm); }),
              "\npcDateTime: 19991231\n");
    term.eTermType = TT_IntegerAndUnit;
    term.uTerm.psIntegerAndUnit = std::make_unique<KivIntUnit>();
    term.uTerm.psIntegerAndUnit->ulValue = 5;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTerm(f, term.eTermType, term.uTerm); }),
              "\nTT_IntegerAndUnit:\nulValue: 5\npsUnitSystem: NULL\npsUnitType: NULL\npsUnit: NULL\n"
              "pulScaleFactor: NULL\n");
    term.eTermType = 0;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintTerm(f, term.eTermType, term.uTerm); }), "");
}

TEST(TraceValuePrinters, UnitsAndStringOrNumeric) {
    KivIntUnit value;
    value.ulValue = 30;
    value.sUnitUsed.psUnitSystem = text("SI");
    value.sUnitUsed.psUnit = std::make_unique<KivStringOrNumeric>();
    value.sUnitUsed.psUnit->eStringOrNumeric = 2;
    value.sUnitUsed.psUnit->uStringOrNumeric.ulNumeric = 9;
    value.sUnitUsed.pulScaleFactor = 3;
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintNamedIntUnit(f, "psRetentionTime", &value); }),
              "psRetentionTime:\nulValue: 30\npsUnitSystem: SI\nHex: 5349\npsUnitType: NULL\n"
              "psUnit: ulNumeric: 9\npulScaleFactor: 3\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedIntUnit(f, "psRetentionTime", nullptr); }),
              "psRetentionTime: NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedStringOrNumeric(f, "sTagValue", nullptr); }),
              "sTagValue: NULL\n");
}

TEST(TraceValuePrinters, SpecificationWithElementSpec) {
    KivSpecification specification;
    specification.pcSchema = "1.2.840.10003.13.1";
    specification.psElementSpec = std::make_unique<KivElementSpec>();
    specification.psElementSpec->eElementSpecType = EST_Primitive;
    specification.psElementSpec->uElementSpec.psPrimitive = text("B");
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintNamedSpecification(f, "psGeneric", &specification); }),
              "psGeneric:\npcSchema: 1.2.840.10003.13.1\npsElementSpec:\nEST_Primitive: B\nHex: 42\n");
    specification.psElementSpec.reset();
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintNamedSpecification(f, "psGeneric", &specification); }),
              "psGeneric:\npcSchema: 1.2.840.10003.13.1\npsElementSpec: NULL\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintNamedSpecification(f, "psGeneric", nullptr); }),
              "psGeneric: NULL\n");
}

TEST(TraceValuePrinters, PermissionsList) {
    KivArray<KivPermissions> list;
    KivPermissions* librarian = list.emplace();
    librarian->sUserId.pcValue = "lib";
    librarian->ppeAllowableFunctions.emplace(PAF_Delete);
    librarian->ppeAllowableFunctions.emplace(99);
    librarian->ppeAllowableFunctions.emplace(PAF_Invalid);
    list.emplace()->sUserId.pcValue = "guest";
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintPermissionsList(f, list); }),
              "\nuserId: lib\nHex: 6c6962\nppeAllowableFunctions:\nPAF_Delete\nPAF_Invalid\n\n"
              "\nuserId: guest\nHex: 6775657374\nppeAllowableFunctions:\n\n\n");
}

TEST(TraceValuePrinters, InvalidApduDump) {
    const KivInvalidAPDU apdu{std::string("\x30\x00", 2)};
    EXPECT_EQ(printed([&](std::FILE* f) { KivPrintInvalidApdu(f, &apdu); }), "Invalid PDU:\nHex: 3000\n");
    EXPECT_EQ(printed([](std::FILE* f) { KivPrintInvalidApdu(f, nullptr); }), "Invalid PDU:\nHex: NULL \n");
}

}  // namespace
