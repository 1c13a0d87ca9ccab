#include "tests/external/explain_samples.h"

#include <utility>

namespace explain_test {
namespace {

KivInternationalString plain(const std::string& value) {
    return KivInternationalString{value};
}

KivStringOrNumeric stringValue(const std::string& value) {
    KivStringOrNumeric result;
    result.eStringOrNumeric = 1;
    result.uStringOrNumeric.psString = text(value);
    return result;
}

KivStringOrNumeric numericValue(uint32_t value) {
    KivStringOrNumeric result;
    result.eStringOrNumeric = 2;
    result.uStringOrNumeric.ulNumeric = value;
    return result;
}

KivArray<KivInternationalString> texts(std::initializer_list<const char*> values) {
    KivArray<KivInternationalString> result = KivArray<KivInternationalString>::emptyArray();
    for (const char* value : values) result.emplace(plain(value));
    return result;
}

KivArray<std::string> oids(std::initializer_list<const char*> values) {
    KivArray<std::string> result = KivArray<std::string>::emptyArray();
    for (const char* value : values) result.emplace(value);
    return result;
}

std::unique_ptr<KivIntUnit> intUnit(uint32_t value) {
    auto result = std::make_unique<KivIntUnit>();
    result->ulValue = value;
    result->sUnitUsed.psUnitSystem = text("SI");
    result->sUnitUsed.psUnit = std::make_unique<KivStringOrNumeric>(numericValue(3));
    return result;
}

std::unique_ptr<KivCommonInfo> common() {
    auto info = std::make_unique<KivCommonInfo>();
    info->pcDateAdded = "19950101000000";
    info->pcExpiry = "20301231000000";
    info->psHumanStringLanguage = text("eng");
    return info;
}

std::unique_ptr<KivContactInfo> contact() {
    auto info = std::make_unique<KivContactInfo>();
    info->psName = text("Desk");
    info->ppsAddress = human("1 Main St");
    info->psEmail = text("desk@example.org");
    return info;
}

std::unique_ptr<KivAttributeCombinations> combinations() {
    auto result = std::make_unique<KivAttributeCombinations>();
    result->pcDefaultAttributeSet = "1.2.840.10003.3.1";
    KivLegalCombinations* legal = result->ppsLegalCombinations.emplace();
    KivAttributeOccurrence* any = legal->ppsAttributeOccurrence.emplace();
    any->ulAttributeType = 1;
    any->pvMustBeSupplied = true;
    any->sAttributeValues.eAttributeOccurrenceChoiceType = AOT_AnyOrNone;
    any->sAttributeValues.uAttributeOccurrenceChoiceType.pvAnyOrNone = true;
    KivAttributeOccurrence* specific = legal->ppsAttributeOccurrence.emplace();
    specific->pcAttributeSet = "1.2.840.10003.3.5";
    specific->ulAttributeType = 2;
    specific->sAttributeValues.eAttributeOccurrenceChoiceType = AOT_Specific;
    auto& values = specific->sAttributeValues.uAttributeOccurrenceChoiceType.ppsSpecific;
    values.emplace(numericValue(3));
    values.emplace(stringValue("title"));
    return result;
}

std::unique_ptr<KivRpnCapabilities> rpn() {
    auto result = std::make_unique<KivRpnCapabilities>();
    result->ppulOperators.emplace(0u);
    result->ppulOperators.emplace(2u);
    result->fResultSetAsOperandSupported = 1;
    result->psProximity = std::make_unique<KivProximitySupport>();
    result->psProximity->fAnySupport = 1;
    KivUnitsSupported* known = result->psProximity->ppsUnitsSupported.emplace();
    known->eUnitsSupportedType = UST_Known;
    known->uUnitsSupported.ulKnown = 2;
    KivUnitsSupported* own = result->psProximity->ppsUnitsSupported.emplace();
    own->eUnitsSupportedType = UST_Private;
    own->uUnitsSupported.psPrivate = std::make_unique<KivPrivateUnit>();
    own->uUnitsSupported.psPrivate->ulUnit = 5;
    own->uUnitsSupported.psPrivate->ppsDescription = human("paragraph");
    return result;
}

std::unique_ptr<KivAccessInfo> access() {
    auto info = std::make_unique<KivAccessInfo>();
    KivQueryTypeDetails* type1 = info->ppsQueryTypesSupported.emplace();
    type1->eQueryTypeDetailsType = QTDT_Rpn;
    type1->uQueryTypeDetails.psRpn = rpn();
    KivQueryTypeDetails* own = info->ppsQueryTypesSupported.emplace();
    own->eQueryTypeDetailsType = QTDT_Private;
    own->uQueryTypeDetails.psPrivate = std::make_unique<KivPrivateCapabilities>();
    KivOperators* op = own->uQueryTypeDetails.psPrivate->ppsOperators.emplace();
    op->sOperator = plain("near");
    own->uQueryTypeDetails.psPrivate->ppsSearchKey.emplace(KivSearchKey{plain("kw"), human("keyword")});
    own->uQueryTypeDetails.psPrivate->ppsDescription.emplace(KivHumanStringSeq{human("private")});
    KivQueryTypeDetails* iso = info->ppsQueryTypesSupported.emplace();
    iso->eQueryTypeDetailsType = QTDT_Iso8777;
    iso->uQueryTypeDetails.psIso8777 = std::make_unique<KivIso8777Capabilities>();
    iso->uQueryTypeDetails.psIso8777->ppsSearchKey.emplace(KivSearchKey{plain("ti"), {}});
    KivQueryTypeDetails* ranked = info->ppsQueryTypesSupported.emplace();
    ranked->eQueryTypeDetailsType = QTDT_RankedList;
    ranked->uQueryTypeDetails.ppsRankedList = human("relevance");
    info->ppcDiagnosticsSets = oids({"1.2.840.10003.4.1"});
    info->ppcAttributeSetIds = oids({"1.2.840.10003.3.1"});
    info->ppcRecordSyntaxes = oids({"1.2.840.10003.5.10", "1.2.840.10003.5.109.10"});
    KivAccessRestrictions* restriction = info->ppsRestrictedAccess.emplace();
    restriction->eAccessType = AT_Present;
    restriction->ppsAccessText = human("members only");
    restriction->ppcAccessChallenges = oids({"1.2.840.10003.8.1"});
    info->psCosts = std::make_unique<KivCosts>();
    info->psCosts->psConnectTime = std::make_unique<KivCharge>();
    info->psCosts->psConnectTime->sCost = std::move(*intUnit(10));
    info->psCosts->psConnectTime->ppsText = human("per minute");
    KivOtherCharge* other = info->psCosts->ppsOtherCharge.emplace();
    other->ppsForWhat = human("printing");
    other->sCharge.sCost.ulValue = 1;
    info->ppsElementSetNames = texts({"F", "B"});
    info->ppsUnitSystems = texts({"SI"});
    return info;
}

std::unique_ptr<KivExplainRecord> record(int32_t type) {
    auto result = std::make_unique<KivExplainRecord>();
    result->eExplainRecordType = type;
    return result;
}

std::unique_ptr<KivExplainRecord> targetInfo() {
    auto result = record(ERT_TargetInfo);
    auto target = std::make_unique<KivTargetInfo>();
    target->psCommonInfo = common();
    target->sName = plain("Quorvane");
    target->ppsRecentNews = human("new catalogue");
    KivIconObject* icon = target->ppsIcon.emplace();
    icon->sBodyType.eBodyTypeType = BTT_IanaType;
    icon->sBodyType.uBodyType.psIanaType = text("image/gif");
    icon->sContent.pcValue = std::string("GIF89a\0\1", 8);
    target->fNamedResultSets = 1;
    target->fMultipleDBSearch = 0;
    target->pulMaxResultSets = 10;
    target->pulMaxTerms = 0;
    target->psTimeoutInterval = intUnit(300);
    target->psContactInfo = contact();
    target->ppsNicknames = texts({"QV"});
    target->ppsHours = KivHumanStrings::emptyArray();
    target->ppsDbCombinations.emplace(KivDbCombinations{texts({"books", "serials"})});
    KivNetworkAddress* internet = target->ppsAddresses.emplace();
    internet->eNetworkAddressType = NAT_InternetAddress;
    internet->uNetworkAddress.psInternetAddress =
        std::make_unique<KivInternetAddress>(KivInternetAddress{plain("z.example.org"), 210});
    KivNetworkAddress* osi = target->ppsAddresses.emplace();
    osi->eNetworkAddressType = NAT_OsiPresentationAddress;
    osi->uNetworkAddress.psOsiPresentationAddress = std::make_unique<KivOsiPresentationAddress>();
    osi->uNetworkAddress.psOsiPresentationAddress->sPsel = plain("1");
    osi->uNetworkAddress.psOsiPresentationAddress->psTSel = text("3");
    osi->uNetworkAddress.psOsiPresentationAddress->sNSap = plain("2");
    KivNetworkAddress* other = target->ppsAddresses.emplace();
    other->eNetworkAddressType = NAT_OtherAddress;
    other->uNetworkAddress.psOtherAddress =
        std::make_unique<KivOtherAddress>(KivOtherAddress{plain("x25"), plain("123")});
    target->ppsLanguages = texts({"eng", "fre"});
    target->psCommonAccessInfo = access();
    result->uExplainRecord.psTargetInfo = std::move(target);
    return result;
}

std::unique_ptr<KivExplainRecord> databaseInfo() {
    auto result = record(ERT_DatabaseInfo);
    auto database = std::make_unique<KivDatabaseInfo>();
    database->sName = plain("books");
    database->pvExplainDatabase = true;
    database->ppsNicknames = texts({"bk"});
    database->fUserFee = 0;
    database->fAvailable = 1;
    database->ppsTitleString = human("Books");
    database->ppsKeywords.emplace(KivKeywords{human("library")});
    database->ppsAssociatedDbs = texts({"serials"});
    database->ppsSubDbs = KivArray<KivInternationalString>::emptyArray();
    database->psRecordCount = std::make_unique<KivRecordCount>();
    database->psRecordCount->eRecordCountType = RCT_ApproxNumber;
    database->psRecordCount->uRecordCount.ulApproxNumber = 120000;
    database->pulAvRecordSize = 900;
    database->pcLastUpdate = "20261201";
    database->psUpdateInterval = intUnit(1);
    database->pfProprietary = 1;
    database->psSupplierContactInfo = contact();
    database->psAccessInfo = std::make_unique<KivAccessInfo>();
    database->psAccessInfo->ppsUnitSystems = texts({});
    result->uExplainRecord.psDatabaseInfo = std::move(database);
    return result;
}

KivElementInfo* addElementInfo(KivArray<KivElementInfo>& list, const char* name) {
    KivElementInfo* info = list.emplace();
    info->sElementName = plain(name);
    info->ppsElementTagPath.emplace(KivPath{2, stringValue(name)});
    info->fRequired = 1;
    return info;
}

std::unique_ptr<KivExplainRecord> schemaInfo() {
    auto result = record(ERT_SchemaInfo);
    auto schema = std::make_unique<KivSchemaInfo>();
    schema->pcSchema = "1.2.840.10003.13.2";
    schema->sName = plain("GILS");
    schema->ppsDescription = human("government information");
    schema->ppsTagTypeMapping.emplace(KivTagTypeMapping{2, "1.2.840.10003.14.2", true});
    schema->ppsTagTypeMapping.emplace(KivTagTypeMapping{3, std::nullopt, false});
    KivElementInfo* title = addElementInfo(schema->ppsRecordStructure, "title");
    title->psElementDataType = std::make_unique<KivElementDataType>();
    title->psElementDataType->eElementDataTypeType = EDTT_Primitive;
    title->psElementDataType->uElementDataType.ePrimitive = PDT_String;
    KivElementInfo* contactElement = addElementInfo(schema->ppsRecordStructure, "contact");
    contactElement->psElementDataType = std::make_unique<KivElementDataType>();
    contactElement->psElementDataType->eElementDataTypeType = EDTT_Structured;
    addElementInfo(contactElement->psElementDataType->uElementDataType.ppsStructured, "name")->fRepeatable =
        1;
    result->uExplainRecord.psSchemaInfo = std::move(schema);
    return result;
}

std::unique_ptr<KivExplainRecord> tagSetInfo() {
    auto result = record(ERT_TagSetInfo);
    auto tagSet = std::make_unique<KivTagSetInfo>();
    tagSet->pcTagSet = "1.2.840.10003.14.1";
    tagSet->sName = plain("tagSet-M");
    KivTagSetElement* element = tagSet->ppsElements.emplace();
    element->sElementName = plain("title");
    element->ppsNicknames = texts({"ti"});
    element->sElementTag = numericValue(1);
    element->peDataType = PDT_NoneOfTheAbove;
    KivOtherInformation* other = element->ppsOtherInformation.emplace();
    other->eInformationType = 1;
    other->uInformation.psCharacterInfo = text("note");
    tagSet->ppsElements.emplace()->sElementTag = stringValue("date");
    result->uExplainRecord.psTagSetInfo = std::move(tagSet);
    return result;
}

std::unique_ptr<KivExplainRecord> recordSyntaxInfo() {
    auto result = record(ERT_RecordSyntaxInfo);
    auto syntax = std::make_unique<KivRecordSyntaxInfo>();
    syntax->psCommonInfo = common();
    syntax->pcRecordSyntax = "1.2.840.10003.5.105";
    syntax->sName = plain("GRS-1");
    syntax->ppcTransferSyntaxes = oids({"2.1.1"});
    syntax->psAsn1Module = text("RecordSyntax-generic");
    addElementInfo(syntax->ppsAbstractStructure, "element");
    result->uExplainRecord.psRecordSyntaxInfo = std::move(syntax);
    return result;
}

std::unique_ptr<KivExplainRecord> attributeSetInfo() {
    auto result = record(ERT_AttributeSetInfo);
    auto set = std::make_unique<KivAttributeSetInfo>();
    set->pcAttributeSetId = "1.2.840.10003.3.1";
    set->sName = plain("bib-1");
    KivAttributeType* use = set->ppsAttributes.emplace();
    use->psName = text("Use");
    use->ulAttributeType = 1;
    KivAttributeDescription* title = use->ppsAttributeValues.emplace();
    title->psName = text("Title");
    title->ppsDescription = human("words of the title");
    title->sAttributeValue = numericValue(4);
    title->ppsEquivalentAttributes.emplace(stringValue("ti"));
    set->ppsDescription = human("bibliographic attributes");
    result->uExplainRecord.psAttributeSetInfo = std::move(set);
    return result;
}

std::unique_ptr<KivExplainRecord> termListInfo() {
    auto result = record(ERT_TermListInfo);
    auto info = std::make_unique<KivTermListInfo>();
    info->psDatabaseName = plain("books");
    KivTermList* list = info->ppsTermLists.emplace();
    list->sName = plain("title");
    list->ppsTitle = human("Titles");
    list->peSearchCost = SC_Optimized;
    list->fScanable = 1;
    list->ppsBroader = texts({"any"});
    list->ppsNarrower = texts({"series", "uniform"});
    info->ppsTermLists.emplace()->sName = plain("author");
    result->uExplainRecord.psTermListInfo = std::move(info);
    return result;
}

std::unique_ptr<KivExplainRecord> extendedServicesInfo() {
    auto result = record(ERT_ExtendedServicesInfo);
    auto info = std::make_unique<KivExtendedServicesInfo>();
    info->pcType = "1.2.840.10003.9.4";
    info->psName = text("item order");
    info->fPrivateType = 0;
    info->fRestrictionsApply = 1;
    info->fFeeApply = 1;
    info->fAvailable = 1;
    info->fRetentionSupported = 0;
    info->eWaitAction = ESII_NotSaying;
    info->ppsDescription = human("orders");
    info->psSpecificExplain = std::make_unique<KivExternal>();
    info->psSpecificExplain->pcObjectIdentifier = "1.2.3.4";
    info->psSpecificExplain->eValueType = EVT_OctetAligned;
    info->psSpecificExplain->uExternalValue.psOctetAligned = std::make_unique<KivOctets>(KivOctets{"spec"});
    info->psEsASN = text("ESFormat-ItemOrder");
    result->uExplainRecord.psExtendedServicesInfo = std::move(info);
    return result;
}

std::unique_ptr<KivExplainRecord> attributeDetails() {
    auto result = record(ERT_AttributeDetails);
    auto details = std::make_unique<KivAttributeDetails>();
    details->psCommonInfo = common();
    details->sDatabaseName = plain("books");
    KivAttributesBySet* set = details->ppsAttributesBySet.emplace();
    set->pcAttributeSet = "1.2.840.10003.3.1";
    KivAttributesByType* byType = set->ppsAttributesByType.emplace();
    byType->ulAttributeType = 1;
    byType->psDefaultIfOmitted = std::make_unique<KivOmittedAttributeInterpretation>();
    byType->psDefaultIfOmitted->psDefaultValue = std::make_unique<KivStringOrNumeric>(numericValue(1016));
    byType->psDefaultIfOmitted->ppsDefaultDescription = human("any");
    KivAttributeValues* value = byType->ppsAttributeValues.emplace();
    value->sValue = numericValue(4);
    value->ppsSubAttributes.emplace(numericValue(5));
    value->ppsSuperAttributes.emplace(stringValue("any"));
    value->pvPartialSupport = true;
    set->ppsAttributesByType.emplace()->ulAttributeType = 2;
    details->psAttributeCombinations = combinations();
    result->uExplainRecord.psAttributeDetails = std::move(details);
    return result;
}

std::unique_ptr<KivExplainRecord> termListDetails() {
    auto result = record(ERT_TermListDetails);
    auto details = std::make_unique<KivTermListDetails>();
    details->sTermListName = plain("title");
    details->ppsDescription = human("title words");
    details->psAttributes = combinations();
    details->psScanInfo = std::make_unique<KivScanInfo>();
    details->psScanInfo->pulMaxStepSize = 0;
    details->psScanInfo->ppsCollatingSequence = human("ascii");
    details->psScanInfo->pfIncreasing = 1;
    details->pulEstNumberTerms = 50000;
    KivTerm* term = details->ppsSampleTerms.emplace();
    term->eTermType = 1;
    term->uTerm.psGeneral = std::make_unique<KivOctets>(KivOctets{"dinosaur"});
    KivTerm* number = details->ppsSampleTerms.emplace();
    number->eTermType = 2;
    number->uTerm.ulInteger = 1999;
    result->uExplainRecord.psTermListDetails = std::move(details);
    return result;
}

KivDetailsPerElement* addDetails(KivArray<KivDetailsPerElement>& list) {
    KivDetailsPerElement* details = list.emplace();
    details->psName = text("title");
    details->psRecordTag = std::make_unique<KivRecordTag>();
    details->psRecordTag->psQualifier = std::make_unique<KivStringOrNumeric>(stringValue("a"));
    details->psRecordTag->sTagValue = numericValue(245);
    KivSchemaTag* tag = details->ppsSchemaTags.emplace();
    tag->ppsSchemaTags.emplace(KivPath{2, numericValue(1)});
    details->pulMaxSize = 1000;
    details->pulFixedSize = 0;
    details->fRepeatable = 1;
    details->ppsBillingInfo = human("free");
    details->ppsAlternateNames = texts({"ti"});
    details->ppsGenericNames = texts({"name"});
    details->psSearchAccess = combinations();
    return details;
}

std::unique_ptr<KivExplainRecord> elementSetDetails() {
    auto result = record(ERT_ElementSetDetails);
    auto details = std::make_unique<KivElementSetDetails>();
    details->sDatabaseName = plain("books");
    details->sElementSetName = plain("F");
    details->pcRecordSyntax = "1.2.840.10003.5.105";
    details->pcSchema = "1.2.840.10003.13.2";
    details->ppsDescription = human("full");
    addDetails(details->ppsDetailsPerElement);
    result->uExplainRecord.psElementSetDetails = std::move(details);
    return result;
}

std::unique_ptr<KivExplainRecord> retrievalRecordDetails() {
    auto result = record(ERT_RetrievalRecordDetails);
    auto details = std::make_unique<KivRetrievalRecordDetails>();
    details->sDatabaseName = plain("books");
    details->pcSchema = "1.2.840.10003.13.2";
    details->pcRecordSyntax = "1.2.840.10003.5.105";
    addDetails(details->ppsDetailsPerElement)->fRequired = 1;
    result->uExplainRecord.psRetrievalRecordDetails = std::move(details);
    return result;
}

std::unique_ptr<KivExplainRecord> sortDetails() {
    auto result = record(ERT_SortDetails);
    auto details = std::make_unique<KivSortDetails>();
    details->sDatabaseName = plain("books");
    KivSortKeys* key = details->ppsSortKeys.emplace();
    key->ppsDescription = human("by title");
    key->ppsElementSpecifications.emplace()->pcSchema = "1.2.840.10003.13.2";
    key->psAttributeSpecifications = combinations();
    key->psSortType = std::make_unique<KivSortType>();
    key->psSortType->eSortTypeType = STT_Structured;
    key->psSortType->ppsStructured = human("title then date");
    key->peCaseSensitivity = CSE_DefaultNo;
    KivSortKeys* numeric = details->ppsSortKeys.emplace();
    numeric->psSortType = std::make_unique<KivSortType>();
    numeric->psSortType->eSortTypeType = STT_Numeric;
    details->ppsSortKeys.emplace();
    result->uExplainRecord.psSortDetails = std::move(details);
    return result;
}

std::unique_ptr<KivExplainRecord> processing() {
    auto result = record(ERT_Processing);
    auto info = std::make_unique<KivProcessingInformation>();
    info->sDatabaseName = plain("books");
    info->eProcessingContext = PC_RecordPresentation;
    info->psName = plain("stylesheet");
    info->pcOid = "1.2.840.10003.5.109.3";
    info->ppsDescription = human("display");
    info->psInstructions = std::make_unique<KivExternal>();
    info->psInstructions->pcObjectIdentifier = "1.2.840.10003.5.101";
    info->psInstructions->eValueType = EVT_SingleASN1Type;
    info->psInstructions->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    info->psInstructions->uExternalValue.psSingleASN1Type->eASN1Type = AT_UnstructuredText;
    info->psInstructions->uExternalValue.psSingleASN1Type->uASN1.psUnstructuredText = text("bold titles");
    result->uExplainRecord.psProcessing = std::move(info);
    return result;
}

std::unique_ptr<KivValueDescription> value(int32_t type) {
    auto result = std::make_unique<KivValueDescription>();
    result->eValueDescriptionType = type;
    auto& u = result->uValueDescription;
    switch (type) {
        case VDT_Integer:
            u.ulInteger = 7;
            break;
        case VDT_String:
            u.psString = text("seven");
            break;
        case VDT_Octets:
            u.psOctets = std::make_unique<KivOctets>(KivOctets{"\x07"});
            break;
        case VDT_Oid:
            u.pcOid = "1.2.3";
            break;
        case VDT_Unit:
            u.psUnit = std::make_unique<KivUnit>();
            u.psUnit->psUnitSystem = text("SI");
            break;
        default:
            u.psValueAndUnit = intUnit(7);
            break;
    }
    return result;
}

std::unique_ptr<KivExplainRecord> variants() {
    auto result = record(ERT_Variants);
    auto info = std::make_unique<KivVariantSetInfo>();
    info->pcVariantSet = "1.2.840.10003.12.1";
    info->sName = plain("variant-1");
    KivVariantClass* variantClass = info->ppsVariants.emplace();
    variantClass->psName = text("body part type");
    variantClass->ulVariantClass = 1;
    KivVariantType* ranged = variantClass->ppsVariantTypes.emplace();
    ranged->ulVariantType = 1;
    ranged->psVariantValue = std::make_unique<KivExplainVariantValue>();
    ranged->psVariantValue->eDataType = PDT_Numeric;
    ranged->psVariantValue->psValues = std::make_unique<KivValueSet>();
    ranged->psVariantValue->psValues->eValueSetType = VT_Range;
    ranged->psVariantValue->psValues->uValueSet.psRange = std::make_unique<KivValueRange>();
    ranged->psVariantValue->psValues->uValueSet.psRange->psLower = value(VDT_Integer);
    ranged->psVariantValue->psValues->uValueSet.psRange->psUpper = value(VDT_ValueAndUnit);
    KivVariantType* listed = variantClass->ppsVariantTypes.emplace();
    listed->ulVariantType = 2;
    listed->psVariantValue = std::make_unique<KivExplainVariantValue>();
    listed->psVariantValue->eDataType = PDT_String;
    listed->psVariantValue->psValues = std::make_unique<KivValueSet>();
    listed->psVariantValue->psValues->eValueSetType = VT_Enumerated;
    auto& enumerated = listed->psVariantValue->psValues->uValueSet.ppsEnumerated;
    for (int32_t type : {VDT_String, VDT_Octets, VDT_Oid, VDT_Unit}) enumerated.append(value(type));
    result->uExplainRecord.psVariants = std::move(info);
    return result;
}

std::unique_ptr<KivExplainRecord> units() {
    auto result = record(ERT_Units);
    auto info = std::make_unique<KivUnitInfo>();
    info->sUnitSystem = plain("SI");
    info->ppsDescription = human("metric");
    KivUnitType* type = info->ppsUnitTypes.emplace();
    type->psName = text("length");
    type->sUnitType = numericValue(1);
    KivUnits* metre = type->ppsUnits.emplace();
    metre->psName = text("metre");
    metre->ppsDescription = human("m");
    metre->sUnit = numericValue(3);
    result->uExplainRecord.psUnits = std::move(info);
    return result;
}

std::unique_ptr<KivExplainRecord> categoryList() {
    auto result = record(ERT_CategoryList);
    auto list = std::make_unique<KivCategoryList>();
    list->psCommonInfo = common();
    KivCategoryInfo* target = list->ppsCategories.emplace();
    target->sCategory = plain("TargetInfo");
    target->psOriginalCategory = text("targetInfo");
    target->ppsDescription = human("the target");
    target->psAsn1Module = text("RecordSyntax-explain");
    list->ppsCategories.emplace()->sCategory = plain("DatabaseInfo");
    result->uExplainRecord.psCategoryList = std::move(list);
    return result;
}

}  // namespace

KivHumanStrings human(const std::string& value) {
    KivHumanStrings result;
    result.emplace(KivHumanString{text("eng"), plain(value)});
    result.emplace(KivHumanString{nullptr, plain(value + "!")});
    return result;
}

const std::vector<NamedExplainRecord>& everyCategory() {
    static const std::vector<NamedExplainRecord> categories = {
        {"targetInfo", targetInfo},
        {"databaseInfo", databaseInfo},
        {"schemaInfo", schemaInfo},
        {"tagSetInfo", tagSetInfo},
        {"recordSyntaxInfo", recordSyntaxInfo},
        {"attributeSetInfo", attributeSetInfo},
        {"termListInfo", termListInfo},
        {"extendedServicesInfo", extendedServicesInfo},
        {"attributeDetails", attributeDetails},
        {"termListDetails", termListDetails},
        {"elementSetDetails", elementSetDetails},
        {"retrievalRecordDetails", retrievalRecordDetails},
        {"sortDetails", sortDetails},
        {"processing", processing},
        {"variants", variants},
        {"units", units},
        {"categoryList", categoryList},
    };
    return categories;
}

std::unique_ptr<KivExternal> explainExternal(std::unique_ptr<KivExplainRecord> record, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external->uExternalValue.psSingleASN1Type->eASN1Type = AT_ExplainRecord;
    external->uExternalValue.psSingleASN1Type->uASN1.psExplainRecord = std::move(record);
    return external;
}

std::unique_ptr<KivExplainRecord> nestedSchema(int levels) {
    auto result = record(ERT_SchemaInfo);
    result->uExplainRecord.psSchemaInfo = std::make_unique<KivSchemaInfo>();
    KivSchemaInfo& schema = *result->uExplainRecord.psSchemaInfo;
    schema.pcSchema = "1.2.840.10003.13.2";
    KivArray<KivElementInfo>* list = &schema.ppsRecordStructure;
    for (int level = 0; level < levels; ++level) {
        KivElementInfo* info = addElementInfo(*list, "level");
        info->psElementDataType = std::make_unique<KivElementDataType>();
        info->psElementDataType->eElementDataTypeType = EDTT_Structured;
        list = &info->psElementDataType->uElementDataType.ppsStructured;
    }
    *list = KivArray<KivElementInfo>::emptyArray();
    return result;
}

}  // namespace explain_test
