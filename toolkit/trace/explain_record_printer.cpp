#include "toolkit/trace/explain_record_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/explain_print_helpers.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

using namespace trace::explain;
using trace::addressOf;
using trace::EnumName;

constexpr EnumName kBodyTypes[] = {{BTT_IanaType, "BTT_IanaType"},
                                   {BTT_Z3950Type, "BTT_Z3950Type"},
                                   {BTT_OtherType, "BTT_OtherType"},
                                   {BTT_Invalid, "BTT_Invalid"}};
constexpr EnumName kNetworkAddresses[] = {{NAT_InternetAddress, "NAT_InternetAddress"},
                                          {NAT_OsiPresentationAddress, "NAT_OsiPresentationAddress"},
                                          {NAT_OtherAddress, "NAT_OtherAddress"},
                                          {NAT_Invalid, "NAT_Invalid"}};
constexpr EnumName kRecordCounts[] = {{RCT_ActualNumber, "RCT_ActualNumber"},
                                      {RCT_ApproxNumber, "RCT_ApproxNumber"},
                                      {RCT_Invalid, "RCT_Invalid"}};
constexpr EnumName kQueryTypes[] = {{QTDT_Private, "QTDT_Private"}, {QTDT_Rpn, "QTDT_Rpn"},
                                    {QTDT_Iso8777, "QTDT_Iso8777"}, {QTDT_Z39_58, "QTDT_Z39_58"},
                                    {QTDT_Erpn, "QTDT_Erpn"},       {QTDT_RankedList, "QTDT_RankedList"},
                                    {QTDT_Invalid, "QTDT_Invalid"}};
constexpr EnumName kUnitsSupported[] = {
    {UST_Known, "UST_Known"}, {UST_Private, "UST_Private"}, {UST_Invalid, "UST_Invalid"}};
constexpr EnumName kAccessTypes[] = {{AT_Any, "AT_Any"},
                                     {AT_Search, "AT_Search"},
                                     {AT_Present, "AT_Present"},
                                     {AT_SpecificElements, "AT_SpecificElements"},
                                     {AT_ExtendedServices, "AT_ExtendedServices"},
                                     {AT_ByDatabase, "AT_ByDatabase"},
                                     {AT_Invalid, "AT_Invalid"}};
constexpr EnumName kSearchCosts[] = {{SC_Optimized, "SC_Optimized"},
                                     {SC_Normal, "SC_Normal"},
                                     {SC_Expensive, "SC_Expensive"},
                                     {SC_Filter, "SC_Filter"},
                                     {SC_Invalid, "SC_Invalid"}};
constexpr EnumName kWaitActions[] = {{ESII_WaitSupported, "ESII_WaitSupported"},
                                     {ESII_WaitAlways, "ESII_WaitAlways"},
                                     {ESII_WaitNotSupported, "ESII_WaitNotSupported"},
                                     {ESII_Depends, "ESII_Depends"},
                                     {ESII_NotSaying, "ESII_NotSaying"},
                                     {ESII_Invalid, "ESII_Invalid"}};
constexpr EnumName kProcessingContexts[] = {{PC_Access, "PC_Access"},
                                            {PC_Search, "PC_Search"},
                                            {PC_Retrieval, "PC_Retrieval"},
                                            {PC_RecordPresentation, "PC_RecordPresentation"},
                                            {PC_RecordHandling, "PC_RecordHandling"},
                                            {PC_Invalid, "PC_Invalid"}};
constexpr EnumName kSortTypes[] = {{STT_Character, "STT_Character"},
                                   {STT_Numeric, "STT_Numeric"},
                                   {STT_Structured, "STT_Structured"},
                                   {STT_Invalid, "STT_Invalid"}};
constexpr EnumName kCaseSensitivities[] = {{CSE_Always, "CSE_Always"},
                                           {CSE_Never, "CSE_Never"},
                                           {CSE_DefaultYes, "CSE_DefaultYes"},
                                           {CSE_DefaultNo, "CSE_DefaultNo"},
                                           {CSE_Invalid, "CSE_Invalid"}};
constexpr EnumName kValueSets[] = {
    {VT_Range, "VT_Range"}, {VT_Enumerated, "VT_Enumerated"}, {VT_Invalid, "VT_Invalid"}};
constexpr EnumName kValueDescriptions[] = {
    {VDT_Integer, "VDT_Integer"}, {VDT_String, "VDT_String"}, {VDT_Octets, "VDT_Octets"},
    {VDT_Oid, "VDT_Oid"},         {VDT_Unit, "VDT_Unit"},     {VDT_ValueAndUnit, "VDT_ValueAndUnit"},
    {VDT_Invalid, "VDT_Invalid"}};

// "label: " and the value printed by print(file, value).
template <typename T, typename Print>
void field(std::FILE* file, const char* label, const T* value, Print print) {
    std::fputs(label, file);
    print(file, value);
}

void text(std::FILE* file, const char* label, const KivInternationalString* value) {
    field(file, label, value, KivPrintInternationalString);
}

void boolean(std::FILE* file, const char* label, const uint32_t* value) {
    field(file, label, value, KivPrintBoolean);
}

// ---- Target and database information ----

void printIcons(std::FILE* file, const KivArray<KivIconObject>& icons) {
    printArray(file, "ppsIcon", icons, [](std::FILE* out, const KivIconObject& icon) {
        std::fputs("psIconObject:\n", out);
        const KivBodyType& body = icon.sBodyType;
        std::fputs("psBodyType:\n", out);
        selectorLine(out, "eBodyTypeType: ", body.eBodyTypeType, kBodyTypes);
        const KivInternationalString* chosen[] = {body.uBodyType.psIanaType.get(),
                                                  body.uBodyType.psZ3950Type.get(),
                                                  body.uBodyType.psOtherType.get()};
        const char* labels[] = {"psIanaType: ", "psZ3950Type: ", "psOtherType: "};
        if (body.eBodyTypeType >= BTT_IanaType && body.eBodyTypeType <= BTT_OtherType)
            text(out, labels[body.eBodyTypeType - 1], chosen[body.eBodyTypeType - 1]);
        field(out, "sContent: ", &icon.sContent, KivPrintOctets);
        std::fputs("\n", out);
    });
}

void printContact(std::FILE* file, const char* label, const KivContactInfo* contact) {
    if (!structureLine(file, label, contact != nullptr)) return;
    text(file, "psName: ", contact->psName.get());
    printHumanString(file, "ppsDescription", contact->ppsDescription);
    printHumanString(file, "ppsAddress", contact->ppsAddress);
    text(file, "psEmail: ", contact->psEmail.get());
    text(file, "psPhone: ", contact->psPhone.get());
}

void printNetworkAddress(std::FILE* file, const KivNetworkAddress& address) {
    std::fputs("psNetworkAddress:\n", file);
    selectorLine(file, "eNetworkAddress: ", address.eNetworkAddressType, kNetworkAddresses);
    const auto& u = address.uNetworkAddress;
    switch (address.eNetworkAddressType) {
        case NAT_InternetAddress:
            if (structureLine(file, "psInternetAddress", u.psInternetAddress != nullptr)) {
                text(file, "sHostAddress: ", &u.psInternetAddress->sHostAddress);
                KivPrintNamedInteger(file, "ulPort", &u.psInternetAddress->ulPort);
            }
            break;
        case NAT_OsiPresentationAddress:
            if (structureLine(file, "psOsiPresentationAddress", u.psOsiPresentationAddress != nullptr)) {
                const KivOsiPresentationAddress& osi = *u.psOsiPresentationAddress;
                text(file, "sPsel: ", &osi.sPsel);
                text(file, "psSSel: ", osi.psSSel.get());
                text(file, "psTSel: ", osi.psTSel.get());
                text(file, "sNSap: ", &osi.sNSap);
            }
            break;
        case NAT_OtherAddress:
            if (structureLine(file, "psOtherAddress", u.psOtherAddress != nullptr)) {
                text(file, "sType: ", &u.psOtherAddress->sType);
                text(file, "sAddress: ", &u.psOtherAddress->sAddress);
            }
            break;
        default:
            break;
    }
}

void printSearchKeys(std::FILE* file, const KivArray<KivSearchKey>& keys) {
    printArray(file, "ppsSearchKey", keys, [](std::FILE* out, const KivSearchKey& key) {
        std::fputs("psSearchKey:\n", out);
        text(out, "sSearchKey: ", &key.sSearchKey);
        printHumanString(out, "ppsDescription", key.ppsDescription);
    });
}

void printRpn(std::FILE* file, const KivRpnCapabilities* rpn) {
    if (!structureLine(file, "psRpnCapabilities", rpn != nullptr)) return;
    printNamedIntegerArray(file, "ppulOperators", rpn->ppulOperators);
    boolean(file, "fResultSetAsOperandSupported: ", &rpn->fResultSetAsOperandSupported);
    boolean(file, "fRestrictionOperandSupported: ", &rpn->fRestrictionOperandSupported);
    const KivProximitySupport* proximity = rpn->psProximity.get();
    if (!structureLine(file, "psProximitySupport", proximity != nullptr)) return;
    boolean(file, "fAnySupport: ", &proximity->fAnySupport);
    printArray(file, "ppsUnitsSupported", proximity->ppsUnitsSupported,
               [](std::FILE* out, const KivUnitsSupported& unit) {
                   std::fputs("psUnitsSupported:\n", out);
                   selectorLine(out, "eUnitsSupportedType: ", unit.eUnitsSupportedType, kUnitsSupported);
                   if (unit.eUnitsSupportedType == UST_Known) {
                       KivPrintNamedInteger(out, "ulKnown", &unit.uUnitsSupported.ulKnown);
                   } else if (unit.eUnitsSupportedType == UST_Private) {
                       const KivPrivateUnit* own = unit.uUnitsSupported.psPrivate.get();
                       if (structureLine(out, "psPrivate", own != nullptr)) {
                           KivPrintNamedInteger(out, "ulUnit", &own->ulUnit);
                           printHumanString(out, "ppsDescription", own->ppsDescription);
                       }
                   }
               });
}

void printQueryType(std::FILE* file, const KivQueryTypeDetails& details) {
    std::fputs("psQueryTypeDetails:\n", file);
    selectorLine(file, "eQueryTypeDetailsType: ", details.eQueryTypeDetailsType, kQueryTypes);
    const auto& u = details.uQueryTypeDetails;
    switch (details.eQueryTypeDetailsType) {
        case QTDT_Private:
            if (structureLine(file, "psPrivateCapabilities", u.psPrivate != nullptr)) {
                printArray(file, "ppsOperators", u.psPrivate->ppsOperators,
                           [](std::FILE* out, const KivOperators& op) {
                               std::fputs("psOperators:\n", out);
                               text(out, "sOperator: ", &op.sOperator);
                               printHumanString(out, "ppsDescription", op.ppsDescription);
                           });
                printSearchKeys(file, u.psPrivate->ppsSearchKey);
                printArray(file, "ppsDescription", u.psPrivate->ppsDescription,
                           [](std::FILE* out, const KivHumanStringSeq& seq) {
                               std::fputs("psHumanStringSeq:\n", out);
                               printHumanString(out, "ppsHumanString", seq.ppsHumanString);
                           });
            }
            break;
        case QTDT_Rpn:
            printRpn(file, u.psRpn.get());
            break;
        case QTDT_Iso8777:
            if (structureLine(file, "psIso8777Capabilities", u.psIso8777 != nullptr)) {
                printSearchKeys(file, u.psIso8777->ppsSearchKey);
                printHumanString(file, "ppsRestrictions", u.psIso8777->ppsRestrictions);
            }
            break;
        case QTDT_Z39_58:
            printHumanString(file, "ppsZ39_58", u.ppsZ39_58);
            break;
        case QTDT_Erpn:
            printRpn(file, u.psErpn.get());
            break;
        case QTDT_RankedList:
            printHumanString(file, "ppsRankedList", u.ppsRankedList);
            break;
        default:
            break;
    }
}

void printCharge(std::FILE* file, const KivCharge* charge) {
    if (!structureLine(file, "psCharge", charge != nullptr)) return;
    KivPrintIntUnit(file, &charge->sCost);
    printNamedUnit(file, "psPerWhat", charge->psPerWhat.get());
    printHumanString(file, "ppsText", charge->ppsText);
}

void printAccessInfo(std::FILE* file, const char* label, const KivAccessInfo* access) {
    if (!structureLine(file, label, access != nullptr)) return;
    printArray(file, "ppsQueryTypesSupported", access->ppsQueryTypesSupported, printQueryType);
    printNamedOidArray(file, "ppcDiagnosticsSets", access->ppcDiagnosticsSets);
    printNamedOidArray(file, "ppcAttributeSetIds", access->ppcAttributeSetIds);
    printNamedOidArray(file, "ppcSchemas", access->ppcSchemas);
    printNamedOidArray(file, "ppcRecordSyntaxes", access->ppcRecordSyntaxes);
    printNamedOidArray(file, "ppcResourceChallenges", access->ppcResourceChallenges);
    printArray(file, "ppsAccessRestrictions", access->ppsRestrictedAccess,
               [](std::FILE* out, const KivAccessRestrictions& restriction) {
                   std::fputs("psAccessRestrictions:\n", out);
                   selectorLine(out, "eAccessType: ", restriction.eAccessType, kAccessTypes);
                   printHumanString(out, "ppsAccessText", restriction.ppsAccessText);
                   printNamedOidArray(out, "ppcAccessChallenges", restriction.ppcAccessChallenges);
               });
    if (const KivCosts* costs = access->psCosts.get(); structureLine(file, "psCosts", costs != nullptr)) {
        for (const KivCharge* charge :
             {costs->psConnectCharge.get(), costs->psConnectTime.get(), costs->psDisplayCharge.get(),
              costs->psSearchCharge.get(), costs->psSubscriptCharge.get()}) {
            printCharge(file, charge);
        }
        printArray(file, "psOtherCharge", costs->ppsOtherCharge,
                   [](std::FILE* out, const KivOtherCharge& other) {
                       std::fputs("psOtherCharge:\n", out);
                       printHumanString(out, "ppsForWhat", other.ppsForWhat);
                       printCharge(out, &other.sCharge);
                   });
    }
    printNamedOidArray(file, "ppcVariantSets", access->ppcVariantSets);
    printInternationalStringList(file, "ppsElementSetNames", access->ppsElementSetNames);
    printInternationalStringList(file, "ppsUnitSystems", access->ppsUnitSystems);
}

void printTargetInfo(std::FILE* file, const KivTargetInfo* target) {
    if (!structureLine(file, "psTargetInfo", target != nullptr)) return;
    printCommonInfo(file, target->psCommonInfo.get());
    text(file, "sName: ", &target->sName);
    printHumanString(file, "ppsRecentNews", target->ppsRecentNews);
    printIcons(file, target->ppsIcon);
    boolean(file, "fNamedResultSets: ", &target->fNamedResultSets);
    boolean(file, "fMultipleDBSearch:", &target->fMultipleDBSearch);
    KivPrintNamedInteger(file, "pulMaxResultSets", addressOf(target->pulMaxResultSets));
    KivPrintNamedInteger(file, "pulMaxResultSize", addressOf(target->pulMaxResultSize));
    KivPrintNamedInteger(file, "pulMaxTerms", addressOf(target->pulMaxTerms));
    field(file, "psTimeoutInterval: ", target->psTimeoutInterval.get(), KivPrintIntUnit);
    printHumanString(file, "ppsWelcomeMessage", target->ppsWelcomeMessage);
    printContact(file, "psContactInfo", target->psContactInfo.get());
    printHumanString(file, "ppsDescription", target->ppsDescription);
    printInternationalStringList(file, "ppsNicknames", target->ppsNicknames);
    printHumanString(file, "ppsUsageRest", target->ppsUsageRest);
    printHumanString(file, "ppsPaymentAddr", target->ppsPaymentAddr);
    printHumanString(file, "ppsHours", target->ppsHours);
    printArray(file, "ppsDbCombinations", target->ppsDbCombinations,
               [](std::FILE* out, const KivDbCombinations& dbs) {
                   printInternationalStringList(out, "psDbCombinations", dbs.ppsInnerDatabases);
               });
    printArray(file, "ppsAddresses", target->ppsAddresses, printNetworkAddress);
    printInternationalStringList(file, "ppsLanguages", target->ppsLanguages);
    printAccessInfo(file, "psCommonAccessInfo", target->psCommonAccessInfo.get());
}

void printDatabaseInfo(std::FILE* file, const KivDatabaseInfo* database) {
    if (!structureLine(file, "psDatabaseInfo", database != nullptr)) return;
    printCommonInfo(file, database->psCommonInfo.get());
    text(file, "sName: ", &database->sName);
    KivPrintNamedNull(file, "pvExplainDatabase", database->pvExplainDatabase);
    printInternationalStringList(file, "ppsNicknames", database->ppsNicknames);
    printIcons(file, database->ppsIcon);
    boolean(file, "fUserFee: ", &database->fUserFee);
    boolean(file, "fAvailable: ", &database->fAvailable);
    printHumanString(file, "ppsTitleString", database->ppsTitleString);
    std::fputs("ppsKeywords", file);
    if (!database->ppsKeywords.present()) {
        std::fputs(": NULL\n", file);
    } else {
        std::fputs(": \n", file);
        for (const KivKeywords& keywords : database->ppsKeywords) {
            std::fputs("ppsKeywords:\n", file);
            printHumanString(file, "psKeywords", keywords.ppsDataBaseInfo);
        }
    }
    printHumanString(file, "ppsDescription", database->ppsDescription);
    printInternationalStringList(file, "ppsAssociatedDbs", database->ppsAssociatedDbs);
    printInternationalStringList(file, "ppsSubDbs", database->ppsSubDbs);
    printHumanString(file, "ppsDisclaimers", database->ppsDisclaimers);
    printHumanString(file, "ppsNews", database->ppsNews);
    if (const KivRecordCount* count = database->psRecordCount.get();
        structureLine(file, "psRecordCount", count != nullptr)) {
        selectorLine(file, "eRecordCountType: ", count->eRecordCountType, kRecordCounts);
        if (count->eRecordCountType == RCT_ActualNumber)
            KivPrintNamedInteger(file, "ulActualNumber", &count->uRecordCount.ulActualNumber);
        if (count->eRecordCountType == RCT_ApproxNumber)
            KivPrintNamedInteger(file, "ulApproxNumber", &count->uRecordCount.ulApproxNumber);
    }
    printHumanString(file, "ppsDefaultOrder", database->ppsDefaultOrder);
    KivPrintNamedInteger(file, "pulAvRecordSize", addressOf(database->pulAvRecordSize));
    KivPrintNamedInteger(file, "pulMaxRecordSize", addressOf(database->pulMaxRecordSize));
    printHumanString(file, "ppsHours", database->ppsHours);
    printHumanString(file, "ppsBestTime", database->ppsBestTime);
    printNamedDate(file, "pcLastUpdate", database->pcLastUpdate);
    field(file, "psUpdateInterval: ", database->psUpdateInterval.get(), KivPrintIntUnit);
    printHumanString(file, "ppsCoverage", database->ppsCoverage);
    boolean(file, "pfProprietary: ", addressOf(database->pfProprietary));
    printHumanString(file, "ppsCopyrightText", database->ppsCopyrightText);
    printHumanString(file, "ppsCopyrightNotice", database->ppsCopyrightNotice);
    printContact(file, "psProducerContactInfo", database->psProducerContactInfo.get());
    printContact(file, "psSupplierContactInfo", database->psSupplierContactInfo.get());
    printContact(file, "psSubmissionContactInfo", database->psSubmissionContactInfo.get());
    printAccessInfo(file, "psAccessInfo", database->psAccessInfo.get());
}

// ---- Schemas, tag sets, record syntaxes, attributes, term lists and extended services ----

void printSchemaInfo(std::FILE* file, const KivSchemaInfo* schema) {
    if (!structureLine(file, "psSchemaInfo", schema != nullptr)) return;
    printCommonInfo(file, schema->psCommonInfo.get());
    KivPrintNamedText(file, "pcSchema", schema->pcSchema);
    text(file, "sName: ", &schema->sName);
    printHumanString(file, "ppsDescription", schema->ppsDescription);
    printArray(file, "ppsTagTypeMapping", schema->ppsTagTypeMapping,
               [](std::FILE* out, const KivTagTypeMapping& mapping) {
                   std::fputs("psTagTypeMapping:\n", out);
                   KivPrintNamedInteger(out, "ulTagType", &mapping.ulTagType);
                   KivPrintNamedText(out, "pcTagSet", mapping.pcTagSet);
                   KivPrintNamedNull(out, "pvDefaultTagType", mapping.pvDefaultTagType);
               });
    printElementInfoList(file, "ppsRecordStructure", schema->ppsRecordStructure);
}

void printTagSetInfo(std::FILE* file, const KivTagSetInfo* tagSet) {
    if (!structureLine(file, "psTagSetInfo", tagSet != nullptr)) return;
    printCommonInfo(file, tagSet->psCommonInfo.get());
    KivPrintNamedText(file, "pcTagSet", tagSet->pcTagSet);
    text(file, "sName: ", &tagSet->sName);
    printHumanString(file, "ppsDescription", tagSet->ppsDescription);
    printArray(file, "ppsElements", tagSet->ppsElements, [](std::FILE* out, const KivTagSetElement& element) {
        std::fputs("psElements:\n", out);
        text(out, "sElementName: ", &element.sElementName);
        printInternationalStringList(out, "ppsNicknames", element.ppsNicknames);
        field(out, "sElementTag: ", &element.sElementTag, KivPrintStringOrNumeric);
        printHumanString(out, "ppsDescription", element.ppsDescription);
        printNamedPrimitiveDataType(out, "peDataType", addressOf(element.peDataType));
        std::fputs("ppsOtherInformation: ", out);
        KivPrintOtherInformationList(out, element.ppsOtherInformation);
    });
}

void printRecordSyntaxInfo(std::FILE* file, const KivRecordSyntaxInfo* syntax) {
    if (!structureLine(file, "psRecordSyntaxInfo", syntax != nullptr)) return;
    printCommonInfo(file, syntax->psCommonInfo.get());
    KivPrintNamedText(file, "pcRecordSyntax", syntax->pcRecordSyntax);
    text(file, "sName: ", &syntax->sName);
    printNamedOidArray(file, "ppcTransferSyntaxes", syntax->ppcTransferSyntaxes);
    printHumanString(file, "ppsDescription", syntax->ppsDescription);
    text(file, "psAsn1Module: ", syntax->psAsn1Module.get());
    printElementInfoList(file, "ppsAbstractStructure", syntax->ppsAbstractStructure);
}

void printAttributeSetInfo(std::FILE* file, const KivAttributeSetInfo* set) {
    if (!structureLine(file, "psAttributeSetInfo", set != nullptr)) return;
    printCommonInfo(file, set->psCommonInfo.get());
    KivPrintNamedText(file, "pcAttributeSetId", set->pcAttributeSetId);
    text(file, "sName: ", &set->sName);
    printArray(file, "ppsAttributeType", set->ppsAttributes,
               [](std::FILE* out, const KivAttributeType& type) {
                   std::fputs("psAttributeType:\n", out);
                   text(out, "psName: ", type.psName.get());
                   printHumanString(out, "ppsDescription", type.ppsDescription);
                   KivPrintNamedInteger(out, "ulAttributeType", &type.ulAttributeType);
                   printArray(out, "ppsAttributeDescription", type.ppsAttributeValues,
                              [](std::FILE* inner, const KivAttributeDescription& description) {
                                  std::fputs("psAttributeDescription:\n", inner);
                                  text(inner, "psName: ", description.psName.get());
                                  printHumanString(inner, "ppsDescription", description.ppsDescription);
                                  field(inner, "sAttributeValue: ", &description.sAttributeValue,
                                        KivPrintStringOrNumeric);
                                  printStringOrNumericList(inner, "ppsEquivalentAttributes",
                                                           description.ppsEquivalentAttributes);
                              });
               });
    printHumanString(file, "ppsDescription", set->ppsDescription);
}

void printTermListInfo(std::FILE* file, const KivTermListInfo* info) {
    if (!structureLine(file, "psTermListInfo", info != nullptr)) return;
    printCommonInfo(file, info->psCommonInfo.get());
    text(file, "psDatabaseName: ", &info->psDatabaseName);
    printArray(file, "ppsTermList", info->ppsTermLists, [](std::FILE* out, const KivTermList& list) {
        std::fputs("psTermList:\n", out);
        text(out, "sName: ", &list.sName);
        printHumanString(out, "ppsTitle", list.ppsTitle);
        if (list.peSearchCost) {
            selectorLine(out, "peSearchCost: ", *list.peSearchCost, kSearchCosts);
        } else {
            std::fputs("peSearchCost: NULL\n", out);
        }
        boolean(out, "fScanable: ", &list.fScanable);
        printInternationalStringList(out, "ppsBroader", list.ppsBroader);
        printInternationalStringList(out, "ppsNarrower", list.ppsNarrower);
    });
}

void printExtendedServicesInfo(std::FILE* file, const KivExtendedServicesInfo* info) {
    if (!structureLine(file, "psExtendedServicesInfo", info != nullptr)) return;
    printCommonInfo(file, info->psCommonInfo.get());
    KivPrintNamedText(file, "pcType", info->pcType);
    text(file, "psName: ", info->psName.get());
    boolean(file, "fPrivateType: ", &info->fPrivateType);
    boolean(file, "fRestrictionsApply: ", &info->fRestrictionsApply);
    boolean(file, "fFeeApply: ", &info->fFeeApply);
    boolean(file, "fAvailable: ", &info->fAvailable);
    boolean(file, "fRetentionSupported: ", &info->fRetentionSupported);
    selectorLine(file, "peExtendedServicesInfoInt: ", info->eWaitAction, kWaitActions);
    printHumanString(file, "ppsDescription", info->ppsDescription);
    field(file, "psSpecificExplain: ", info->psSpecificExplain.get(), KivPrintExternal);
    text(file, "psEsASN: ", info->psEsASN.get());
}

void printAttributeDetails(std::FILE* file, const KivAttributeDetails* details) {
    if (!structureLine(file, "psAttributeDetails", details != nullptr)) return;
    printCommonInfo(file, details->psCommonInfo.get());
    text(file, "sDatabaseName: ", &details->sDatabaseName);
    printArray(
        file, "ppsAttributesBySet", details->ppsAttributesBySet,
        [](std::FILE* out, const KivAttributesBySet& set) {
            std::fputs("psAttributesBySet:\n", out);
            KivPrintNamedText(out, "pcAttributeSet", set.pcAttributeSet);
            printArray(
                out, "ppsAttributesByType", set.ppsAttributesByType,
                [](std::FILE* inner, const KivAttributesByType& type) {
                    std::fputs("psAttributesByType:\n", inner);
                    KivPrintNamedInteger(inner, "ulAttributeType", &type.ulAttributeType);
                    if (const KivOmittedAttributeInterpretation* omitted = type.psDefaultIfOmitted.get();
                        structureLine(inner, "psOmittedAttributeInterpretation", omitted != nullptr)) {
                        field(inner, "psDefaultValue", omitted->psDefaultValue.get(),
                              KivPrintStringOrNumeric);
                        printHumanString(inner, "ppsDefaultDescription", omitted->ppsDefaultDescription);
                    }
                    printArray(
                        inner, "ppsAttributeValues", type.ppsAttributeValues,
                        [](std::FILE* deepest, const KivAttributeValues& value) {
                            std::fputs("psAttributeValues:\n", deepest);
                            field(deepest, "sValue: ", &value.sValue, KivPrintStringOrNumeric);
                            printHumanString(deepest, "ppsDescription", value.ppsDescription);
                            printStringOrNumericList(deepest, "ppsSubAttributes", value.ppsSubAttributes);
                            printStringOrNumericList(deepest, "ppsSuperAttributes", value.ppsSuperAttributes);
                            KivPrintNamedNull(deepest, "pvPartialSupport", value.pvPartialSupport);
                        });
                });
        });
    printAttributeCombinations(file, details->psAttributeCombinations.get());
}

void printTermListDetails(std::FILE* file, const KivTermListDetails* details) {
    if (!structureLine(file, "psTermListDetails", details != nullptr)) return;
    printCommonInfo(file, details->psCommonInfo.get());
    text(file, "sTermListName: ", &details->sTermListName);
    printHumanString(file, "ppsDescription", details->ppsDescription);
    printAttributeCombinations(file, details->psAttributes.get());
    if (const KivScanInfo* scan = details->psScanInfo.get();
        structureLine(file, "psScanInfo", scan != nullptr)) {
        KivPrintNamedInteger(file, "pulMaxStepSize", addressOf(scan->pulMaxStepSize));
        printHumanString(file, "ppsCollatingSequence", scan->ppsCollatingSequence);
        boolean(file, "pfIncreasing: ", addressOf(scan->pfIncreasing));
    }
    KivPrintNamedInteger(file, "pulEstNumberTerms", addressOf(details->pulEstNumberTerms));
    printTermList(file, "ppsSampleTerms", details->ppsSampleTerms);
}

// ---- Element sets, retrieval records, sorting, processing, variants, units and categories ----

void printDetailsPerElement(std::FILE* file, const KivArray<KivDetailsPerElement>& list) {
    printArray(file, "ppsDetailsPerElement", list, [](std::FILE* out, const KivDetailsPerElement& details) {
        std::fputs("psDetailsPerElement:\n", out);
        text(out, "psName: ", details.psName.get());
        if (const KivRecordTag* tag = details.psRecordTag.get();
            structureLine(out, "psRecordTag", tag != nullptr)) {
            field(out, "psQualifier: ", tag->psQualifier.get(), KivPrintStringOrNumeric);
            field(out, "sTagValue: ", &tag->sTagValue, KivPrintStringOrNumeric);
        }
        printArray(out, "ppsPathA", details.ppsSchemaTags, [](std::FILE* inner, const KivSchemaTag& tag) {
            printPathList(inner, tag.ppsSchemaTags);
        });
        KivPrintNamedInteger(out, "pulMaxSize", addressOf(details.pulMaxSize));
        KivPrintNamedInteger(out, "pulMinSize", addressOf(details.pulMinSize));
        KivPrintNamedInteger(out, "pulAvgSize", addressOf(details.pulAvgSize));
        KivPrintNamedInteger(out, "pulFixedSize", addressOf(details.pulFixedSize));
        boolean(out, "fRepeatable: ", &details.fRepeatable);
        boolean(out, "fRequired: ", &details.fRequired);
        printHumanString(out, "ppsDescription", details.ppsDescription);
        printHumanString(out, "ppsContents", details.ppsContents);
        printHumanString(out, "ppsBillingInfo", details.ppsBillingInfo);
        printHumanString(out, "ppsRestrictions", details.ppsRestrictions);
        printInternationalStringList(out, "ppsAlternateNames", details.ppsAlternateNames);
        printInternationalStringList(out, "ppsGenericNames", details.ppsGenericNames);
        printAttributeCombinations(out, details.psSearchAccess.get());
    });
}

void printElementSetDetails(std::FILE* file, const KivElementSetDetails* details) {
    if (!structureLine(file, "psElementSetDetails", details != nullptr)) return;
    printCommonInfo(file, details->psCommonInfo.get());
    text(file, "sDatabaseName: ", &details->sDatabaseName);
    text(file, "sElementSetName: ", &details->sElementSetName);
    KivPrintNamedText(file, "pcRecordSyntax", details->pcRecordSyntax);
    KivPrintNamedText(file, "pcSchema", details->pcSchema);
    printHumanString(file, "ppsDescription", details->ppsDescription);
    printDetailsPerElement(file, details->ppsDetailsPerElement);
}

void printRetrievalRecordDetails(std::FILE* file, const KivRetrievalRecordDetails* details) {
    if (!structureLine(file, "psRetrievalRecordDetails", details != nullptr)) return;
    printCommonInfo(file, details->psCommonInfo.get());
    text(file, "sDatabaseName: ", &details->sDatabaseName);
    KivPrintNamedText(file, "pcSchema", details->pcSchema);
    KivPrintNamedText(file, "pcRecordSyntax", details->pcRecordSyntax);
    printHumanString(file, "ppsDescription", details->ppsDescription);
    printDetailsPerElement(file, details->ppsDetailsPerElement);
}

void printSortDetails(std::FILE* file, const KivSortDetails* details) {
    if (!structureLine(file, "psSortDetails", details != nullptr)) return;
    printCommonInfo(file, details->psCommonInfo.get());
    text(file, "sDatabaseName: ", &details->sDatabaseName);
    printArray(file, "ppsSortKeys", details->ppsSortKeys, [](std::FILE* out, const KivSortKeys& key) {
        std::fputs("psSortKeys:\n", out);
        printHumanString(out, "ppsDescription", key.ppsDescription);
        printArray(out, "ppsElementSpecifications", key.ppsElementSpecifications,
                   [](std::FILE* inner, const KivSpecification& specification) {
                       KivPrintNamedSpecification(inner, "psSpecification", &specification);
                   });
        printAttributeCombinations(out, key.psAttributeSpecifications.get());
        if (const KivSortType* type = key.psSortType.get();
            structureLine(out, "psSortType", type != nullptr)) {
            selectorLine(out, "eSortTypeType: ", type->eSortTypeType, kSortTypes);
            if (type->eSortTypeType == STT_Structured)
                printHumanString(out, "ppsStructured", type->ppsStructured);
        }
        std::fputs("peCaseSensitivity: ", out);
        if (key.peCaseSensitivity) {
            trace::printEnumName(out, *key.peCaseSensitivity, kCaseSensitivities, "");
        } else {
            std::fputs("NULL\n", out);
        }
    });
}

void printProcessingInformation(std::FILE* file, const KivProcessingInformation* info) {
    if (!structureLine(file, "psProcessingInformation", info != nullptr)) return;
    printCommonInfo(file, info->psCommonInfo.get());
    text(file, "sDatabaseName: ", &info->sDatabaseName);
    selectorLine(file, "eProcessingContext: ", info->eProcessingContext, kProcessingContexts);
    text(file, "psName: ", &info->psName);
    KivPrintNamedText(file, "pcOid", info->pcOid);
    printHumanString(file, "ppsDescription", info->ppsDescription);
    field(file, "psInstructions: ", info->psInstructions.get(), KivPrintExternal);
}

void printValueDescription(std::FILE* file, const KivValueDescription* value) {
    if (!structureLine(file, "psValueDescription", value != nullptr)) return;
    selectorLine(file, "eValueDescriptiptionType: ", value->eValueDescriptionType, kValueDescriptions);
    const auto& u = value->uValueDescription;
    switch (value->eValueDescriptionType) {
        case VDT_Integer:
            KivPrintNamedInteger(file, "ulInteger", &u.ulInteger);
            break;
        case VDT_String:
            text(file, "psString: ", u.psString.get());
            break;
        case VDT_Octets:
            field(file, "psOctets: ", u.psOctets.get(), KivPrintOctets);
            break;
        case VDT_Oid:
            KivPrintNamedText(file, "pcOid", u.pcOid);
            break;
        case VDT_Unit:
            printNamedUnit(file, "psUnit", u.psUnit.get());
            break;
        case VDT_ValueAndUnit:
            field(file, "psValueAndUnit: ", u.psValueAndUnit.get(), KivPrintIntUnit);
            break;
        default:
            break;
    }
}

void printVariantType(std::FILE* file, const KivVariantType& type) {
    std::fputs("psVariantTypes:\n", file);
    text(file, "psName: ", type.psName.get());
    printHumanString(file, "ppsDescription", type.ppsDescription);
    KivPrintNamedInteger(file, "ulVariantType", &type.ulVariantType);
    const KivExplainVariantValue* value = type.psVariantValue.get();
    if (!structureLine(file, "psVariantValue", value != nullptr)) return;
    printNamedPrimitiveDataType(file, "eDataType", &value->eDataType);
    const KivValueSet* set = value->psValues.get();
    if (!structureLine(file, "psValues", set != nullptr)) return;
    selectorLine(file, "eValueSetType: ", set->eValueSetType, kValueSets);
    if (set->eValueSetType == VT_Range) {
        if (const KivValueRange* range = set->uValueSet.psRange.get();
            structureLine(file, "psValueRange", range != nullptr)) {
            printValueDescription(file, range->psLower.get());
            printValueDescription(file, range->psUpper.get());
        }
    } else if (set->eValueSetType == VT_Enumerated) {
        printArray(file, "ppsEnumerated", set->uValueSet.ppsEnumerated,
                   [](std::FILE* out, const KivValueDescription& description) {
                       printValueDescription(out, &description);
                   });
    }
}

void printVariantSetInfo(std::FILE* file, const KivVariantSetInfo* info) {
    if (!structureLine(file, "psVariantSetInfo", info != nullptr)) return;
    printCommonInfo(file, info->psCommonInfo.get());
    KivPrintNamedText(file, "pcVariantSet", info->pcVariantSet);
    text(file, "sName: ", &info->sName);
    printArray(file, "ppsVariants", info->ppsVariants, [](std::FILE* out, const KivVariantClass& variant) {
        std::fputs("psVariants:\n", out);
        text(out, "psName: ", variant.psName.get());
        printHumanString(out, "ppsDescription", variant.ppsDescription);
        KivPrintNamedInteger(out, "ulVariantClass", &variant.ulVariantClass);
        printArray(out, "ppsVariantTypes", variant.ppsVariantTypes, printVariantType);
    });
}

void printUnitInfo(std::FILE* file, const KivUnitInfo* info) {
    if (!structureLine(file, "psUnitInfo", info != nullptr)) return;
    printCommonInfo(file, info->psCommonInfo.get());
    text(file, "sUnitSystem: ", &info->sUnitSystem);
    printHumanString(file, "ppsDescription", info->ppsDescription);
    printArray(file, "ppsUnitTypes", info->ppsUnitTypes, [](std::FILE* out, const KivUnitType& type) {
        std::fputs("psUnitTypes:\n", out);
        text(out, "psName: ", type.psName.get());
        printHumanString(out, "ppsDescription", type.ppsDescription);
        field(out, "sUnitType: ", &type.sUnitType, KivPrintStringOrNumeric);
        printArray(out, "ppsUnits", type.ppsUnits, [](std::FILE* inner, const KivUnits& units) {
            std::fputs("psUnits:\n", inner);
            text(inner, "psName: ", units.psName.get());
            printHumanString(inner, "ppsDescription", units.ppsDescription);
            field(inner, "sUnit: ", &units.sUnit, KivPrintStringOrNumeric);
        });
    });
}

void printCategoryList(std::FILE* file, const KivCategoryList* list) {
    if (!structureLine(file, "psCategoryList", list != nullptr)) return;
    printCommonInfo(file, list->psCommonInfo.get());
    printArray(file, "ppsCategories", list->ppsCategories,
               [](std::FILE* out, const KivCategoryInfo& category) {
                   std::fputs("psCategoryInfo:\n", out);
                   text(out, "sCategory: ", &category.sCategory);
                   text(out, "psOriginalCategory: ", category.psOriginalCategory.get());
                   printHumanString(out, "ppsDescription", category.ppsDescription);
                   text(out, "psAsn1Module: ", category.psAsn1Module.get());
               });
}

}  // namespace

void KivPrintExplainRecordContent(std::FILE* file, const KivExternal* psExternal) {
    std::fputs("\tpsExplainRecord:\n", file);
    std::fputs("eExplainRecordType: ", file);
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivExplainRecord* record = content != nullptr ? content->uASN1.psExplainRecord.get() : nullptr;
    if (record == nullptr) return;
    const auto& u = record->uExplainRecord;
    switch (record->eExplainRecordType) {
        case ERT_TargetInfo:
            std::fputs("ERT_TargetInfo\n", file);
            return printTargetInfo(file, u.psTargetInfo.get());
        case ERT_DatabaseInfo:
            std::fputs("ERT_DatabaseInfo\n", file);
            return printDatabaseInfo(file, u.psDatabaseInfo.get());
        case ERT_SchemaInfo:
            std::fputs("ERT_SchemaInfo\n", file);
            return printSchemaInfo(file, u.psSchemaInfo.get());
        case ERT_TagSetInfo:
            std::fputs("ERT_TagSetInfo\n", file);
            return printTagSetInfo(file, u.psTagSetInfo.get());
        case ERT_RecordSyntaxInfo:
            std::fputs("ERT_RecordSyntaxInfo\n", file);
            return printRecordSyntaxInfo(file, u.psRecordSyntaxInfo.get());
        case ERT_AttributeSetInfo:
            std::fputs("ERT_AttributeSetInfo\n", file);
            return printAttributeSetInfo(file, u.psAttributeSetInfo.get());
        case ERT_TermListInfo:
            std::fputs("ERT_TermListInfo\n", file);
            return printTermListInfo(file, u.psTermListInfo.get());
        case ERT_ExtendedServicesInfo:
            std::fputs("ERT_ExtendedServicesInfo\n", file);
            return printExtendedServicesInfo(file, u.psExtendedServicesInfo.get());
        case ERT_AttributeDetails:
            std::fputs("ERT_AttributeDetails\n", file);
            return printAttributeDetails(file, u.psAttributeDetails.get());
        case ERT_TermListDetails:
            std::fputs("ERT_TermListDetails\n", file);
            return printTermListDetails(file, u.psTermListDetails.get());
        case ERT_ElementSetDetails:
            std::fputs("ERT_ElementSetDetails\n", file);
            return printElementSetDetails(file, u.psElementSetDetails.get());
        case ERT_RetrievalRecordDetails:
            std::fputs("ERT_RetrievalRecordDetails\n", file);
            return printRetrievalRecordDetails(file, u.psRetrievalRecordDetails.get());
        case ERT_SortDetails:
            std::fputs("ERT_SortDetails\n", file);
            return printSortDetails(file, u.psSortDetails.get());
        case ERT_Processing:
            std::fputs("ERT_Processing\n", file);
            return printProcessingInformation(file, u.psProcessing.get());
        case ERT_Variants:
            std::fputs("ERT_Variants\n", file);
            return printVariantSetInfo(file, u.psVariants.get());
        case ERT_Units:
            std::fputs("ERT_Units\n", file);
            return printUnitInfo(file, u.psUnits.get());
        case ERT_CategoryList:
            std::fputs("ERT_CategoryList\n", file);
            return printCategoryList(file, u.psCategoryList.get());
        default:
            return;
    }
}
