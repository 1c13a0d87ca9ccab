#pragma once
// Building type-1 queries for the search tests.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/api/kiv_query.h"

namespace rpn {

struct Attribute {
    uint32_t type;
    uint32_t value;
};

struct Term {
    int32_t type = TT_General;
    std::string text;      // general octets or date-time text
    uint32_t integer = 0;  // numeric
};

inline Term general(std::string text) {
    return Term{TT_General, std::move(text), 0};
}
inline Term numeric(uint32_t value) {
    return Term{TT_Numeric, "", value};
}
inline Term dateTime(std::string text) {
    return Term{TT_DateTime, std::move(text), 0};
}

inline std::unique_ptr<KivAttributesPlusTerm> attributesPlusTerm(const std::vector<Attribute>& attributes,
                                                                 const Term& term) {
    auto node = std::make_unique<KivAttributesPlusTerm>();
    node->ppsAttributeElement = KivArray<KivAttributeElement>::emptyArray();
    for (const Attribute& attribute : attributes) {
        auto element = std::make_unique<KivAttributeElement>();
        element->ulAttributeType = attribute.type;
        element->sAttributeValue.eAttributeValueType = 1;
        element->sAttributeValue.uAttributeValue.ulNumeric = attribute.value;
        node->ppsAttributeElement.append(std::move(element));
    }
    node->sTerm.eTermType = term.type;
    if (term.type == TT_General) {
        node->sTerm.uTerm.psGeneral = std::make_unique<KivOctets>();
        node->sTerm.uTerm.psGeneral->pcValue = term.text;
    } else if (term.type == TT_Numeric) {
        node->sTerm.uTerm.ulInteger = term.integer;
    } else if (term.type == TT_DateTime) {
        node->sTerm.uTerm.pcDateTime = term.text;
    }
    return node;
}

inline std::unique_ptr<KivRpnStructure> operand(const std::vector<Attribute>& attributes, const Term& term) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnOperand;
    node->uRPNStructure.psRpnOperand = std::make_unique<KivRpnOperand>();
    node->uRPNStructure.psRpnOperand->eOperandType = 1;
    node->uRPNStructure.psRpnOperand->uOperand.psAttributesPlusTerm = attributesPlusTerm(attributes, term);
    return node;
}

// eOperatorType: 1 OR, 2 AND, 3 AND-NOT, 4 proximity.
inline std::unique_ptr<KivRpnStructure> combine(int32_t operatorType, std::unique_ptr<KivRpnStructure> left,
                                                std::unique_ptr<KivRpnStructure> right) {
    auto node = std::make_unique<KivRpnStructure>();
    node->eRpnStructureType = RST_RpnLopRopOperator;
    node->uRPNStructure.psRpnLopRopOperator = std::make_unique<KivRpnLopRopOperator>();
    node->uRPNStructure.psRpnLopRopOperator->psLeftOperand = std::move(left);
    node->uRPNStructure.psRpnLopRopOperator->psRightOperand = std::move(right);
    node->uRPNStructure.psRpnLopRopOperator->sOperator.eOperatorType = operatorType;
    return node;
}

inline KivRPNQuery query(std::unique_ptr<KivRpnStructure> root,
                         std::optional<std::string> attributeSet = std::nullopt) {
    KivRPNQuery query;
    query.pcAttributeSetId = std::move(attributeSet);
    query.sRpnStructure = std::move(*root);
    return query;
}

}  // namespace rpn
