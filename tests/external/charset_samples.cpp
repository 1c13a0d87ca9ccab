#include "tests/external/charset_samples.h"

#include <utility>

namespace charset_test {

namespace {

std::unique_ptr<KivIso2022> iso2022OriginProposal() {
    auto iso2022 = std::make_unique<KivIso2022>();
    iso2022->eIso2022Type = I2022T_OriginProposal;
    auto& proposal = iso2022->uIso2022Type.psOriginProposal = std::make_unique<KivIso2022OriginProposal>();
    proposal->psProposedEnvironment = std::make_unique<KivEnvironment>(KivEnvironment{ENT_EightBit});
    proposal->ppulProposedSets = numbers({1, 2});
    proposal->ppsProposedInitialSets.emplace(initialSet(10));
    proposal->ppsProposedInitialSets.emplace(initialSet(20));
    proposal->psProposedLeftAndRight = std::make_unique<KivLeftAndRight>(KivLeftAndRight{0, 1});
    return iso2022;
}

std::unique_ptr<KivIso10646> utf8() {
    return std::make_unique<KivIso10646>(KivIso10646{"1.0.10646.1.0.8", "1.0.10646.1.0.2"});
}

std::unique_ptr<KivPrivateCharacterSet> privateSet(int32_t type) {
    auto set = std::make_unique<KivPrivateCharacterSet>();
    set->ePrivateCharacterSetType = type;
    auto& member = set->uPrivateCharacterSet;
    if (type == PCST_ViaOid) {
        member.ppcViaOid.emplace("1.2.840.10003.15.1000.81.1");
        member.ppcViaOid.emplace("1.2.3");
    } else if (type == PCST_ExternallySpecified) {
        member.psExternallySpecified = std::make_unique<KivExternal>();
        member.psExternallySpecified->pcObjectIdentifier = "1.2.840.10003.15.1000.81.2";
        member.psExternallySpecified->eValueType = EVT_OctetAligned;
        member.psExternallySpecified->uExternalValue.psOctetAligned =
            std::make_unique<KivOctets>(KivOctets{"latin-1"});
    }
    return set;
}

KivCharSetAndLanguage withProposal(std::unique_ptr<KivCharSetProposal> proposal) {
    KivCharSetAndLanguage record;
    record.eCharSetAndLanguageType = CSALT_Proposal;
    record.uCharSetAndLanguage.psProposal = std::move(proposal);
    return record;
}

KivCharSetAndLanguage withResponse(std::unique_ptr<KivCharSetResponse> response) {
    KivCharSetAndLanguage record;
    record.eCharSetAndLanguageType = CSALT_Response;
    record.uCharSetAndLanguage.psResponse = std::move(response);
    return record;
}

}  // namespace

KivInitialSet initialSet(uint32_t first) {
    return KivInitialSet{first, first + 1, first + 2, first + 3, first + 4, first + 5};
}

KivArray<uint32_t> numbers(std::initializer_list<uint32_t> values) {
    KivArray<uint32_t> array = KivArray<uint32_t>::emptyArray();
    for (uint32_t value : values) array.emplace(value);
    return array;
}

KivCharSetAndLanguage fullProposal() {
    auto proposal = std::make_unique<KivCharSetProposal>();
    KivProposedCharSet* iso2022 = proposal->ppsProposedCharSets.emplace();
    iso2022->eProposedCharSetType = PRCST_Iso2022;
    iso2022->uProposedCharSet.psIso2022 = iso2022OriginProposal();
    KivProposedCharSet* iso10646 = proposal->ppsProposedCharSets.emplace();
    iso10646->eProposedCharSetType = PRCST_Iso10646;
    iso10646->uProposedCharSet.psIso10646 = utf8();
    for (int32_t type : {PCST_ViaOid, PCST_ExternallySpecified, PCST_PreviouslyAgreedUpon}) {
        KivProposedCharSet* set = proposal->ppsProposedCharSets.emplace();
        set->eProposedCharSetType = PRCST_Private;
        set->uProposedCharSet.psPrivate = privateSet(type);
    }
    for (const char* language : {"en", "", "fre"}) {
        proposal->ppsProposedLanguages.emplace(KivInternationalString{language});
    }
    proposal->pfRecordsInSelectedCharSets = 1;
    return withProposal(std::move(proposal));
}

KivCharSetAndLanguage iso2022Response() {
    auto response = std::make_unique<KivCharSetResponse>();
    auto& selected = response->psSelectedCharSets = std::make_unique<KivSelectedCharSet>();
    selected->eSelectedCharSetType = SCST_Iso2022;
    auto& iso2022 = selected->uSelectedCharSet.psIso2022 = std::make_unique<KivIso2022>();
    iso2022->eIso2022Type = I2022T_TargetResponse;
    auto& target = iso2022->uIso2022Type.psTargetResponse = std::make_unique<KivIso2022TargetResponse>();
    target->psSelectedEnvironment = std::make_unique<KivEnvironment>(KivEnvironment{ENT_SevenBit});
    target->ppulSelectedSets = numbers({3});
    target->psSelectedInitialSet = std::make_unique<KivInitialSet>(initialSet(30));
    target->psSelectedLeftAndRight = std::make_unique<KivLeftAndRight>(KivLeftAndRight{1, 2});
    response->psSelectedLanguage = std::make_unique<KivInternationalString>(KivInternationalString{"en"});
    response->pfRecordsInSelectedCharSets = 0;
    return withResponse(std::move(response));
}

KivCharSetAndLanguage selectedResponse(int32_t selectedType) {
    auto response = std::make_unique<KivCharSetResponse>();
    auto& selected = response->psSelectedCharSets = std::make_unique<KivSelectedCharSet>();
    selected->eSelectedCharSetType = selectedType;
    if (selectedType == SCST_Iso10646) selected->uSelectedCharSet.psIso10646 = utf8();
    if (selectedType == SCST_Private) selected->uSelectedCharSet.psPrivate = privateSet(PCST_ViaOid);
    return withResponse(std::move(response));
}

KivCharSetAndLanguage emptyRecord(int32_t type) {
    return type == CSALT_Proposal ? withProposal(std::make_unique<KivCharSetProposal>())
                                  : withResponse(std::make_unique<KivCharSetResponse>());
}

std::unique_ptr<KivExternal> charsetExternal(KivCharSetAndLanguage record, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_CharSetAndLanguage;
    content->uASN1.psCharSetAndLanguage = std::make_unique<KivCharSetAndLanguage>(std::move(record));
    return external;
}

}  // namespace charset_test
