#include "Quorvane/search/rpn_to_sql.h"

#include <algorithm>
#include <string_view>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/search/rpn_to_sql_statement.h"
#include "Quorvane/search/rpn_to_sql_words.h"
#include "Quorvane/search/search_definitions_lookup.h"
#include "toolkit/util/str_case.h"
#include "toolkit/util/str_text.h"

namespace {

constexpr int32_t kOperandAttributesPlusTerm = 1;
constexpr uint32_t kUseType = 1;

bool isDateUse(std::optional<int32_t> use) {
    return use == 30 || use == 31 || use == 32 || use == 1011 || use == 1012;
}

// The walk of one query over the RPN tree, left side first.
class PlanWalk {
  public:
    PlanWalk(const SearchDefinition& definition, const SearchSettings& settings)
        : definition_(definition), settings_(settings) {}

    std::unique_ptr<PlanNode> structure(const KivRpnStructure& node, int32_t depth) {
        if (tooLarge_) return nullptr;
        if (node.eRpnStructureType == RST_RpnOperand) {
            if (++operands_ > kMaxRpnOperands) {
                tooLarge_ = true;
                return nullptr;
            }
            const KivRpnOperand* operand = node.uRPNStructure.psRpnOperand.get();
            return operand != nullptr ? this->operand(*operand) : nullptr;
        }
        if (node.eRpnStructureType != RST_RpnLopRopOperator) return nullptr;
        if (depth >= kMaxRpnDepth) {
            tooLarge_ = true;
            return nullptr;
        }
        const KivRpnLopRopOperator* combination = node.uRPNStructure.psRpnLopRopOperator.get();
        if (combination == nullptr) return nullptr;
        return this->combination(*combination, depth + 1);
    }

    bool tooLarge() const { return tooLarge_; }
    int32_t condition() const { return condition_; }

  private:
    std::unique_ptr<PlanNode> side(const std::unique_ptr<KivRpnStructure>& node, int32_t depth) {
        return node ? structure(*node, depth) : nullptr;
    }

    std::unique_ptr<PlanNode> combination(const KivRpnLopRopOperator& node, int32_t depth) {
        std::unique_ptr<PlanNode> left = side(node.psLeftOperand, depth);
        if (tooLarge_ || (!left && definition_.individual)) return nullptr;
        int32_t operatorType = node.sOperator.eOperatorType;
        bool known = operatorType >= 1 && operatorType <= 3;
        if (!known) condition_ = kConditionUnsupportedOperator;
        std::unique_ptr<PlanNode> right = side(node.psRightOperand, depth);
        if (tooLarge_ || (!right && definition_.individual)) return nullptr;
        if (!known) {
            condition_ = kConditionUnsupportedOperator;
            return nullptr;
        }
        if (!left || !right) return nullptr;
        auto combined = std::make_unique<PlanNode>();
        combined->combination = static_cast<PlanOperator>(operatorType);
        combined->left = std::move(left);
        combined->right = std::move(right);
        return combined;
    }

    std::optional<OperandTerm> fail(int32_t condition) {
        condition_ = condition;
        return std::nullopt;
    }

    std::optional<OperandTerm> dateTerm(std::string_view text) {
        std::optional<DateParts> date = ParseDateTerm(text);
        if (!date) return fail(kConditionMalformedTerm);
        return OperandTerm{FormatDateLiteral(*date, settings_.dateLiteral), kTermKindDate, date};
    }

    std::optional<OperandTerm> termText(const KivTerm& term, const AttributeMapping& mapping, bool dateUse) {
        switch (term.eTermType) {
            case TT_General: {
                std::string text = term.uTerm.psGeneral ? term.uTerm.psGeneral->pcValue : std::string();
                if (text.find('\0') != std::string::npos) return fail(kConditionMalformedTerm);
                if (mapping.wordList) text = RemoveStopWords(text, definition_.stopWords);
                if (std::none_of(text.begin(), text.end(), octet::isAlnum))
                    return fail(kConditionMalformedTerm);
                StrUpper(text);
                if (dateUse) return dateTerm(text);
                return OperandTerm{std::move(text), kTermKindText, std::nullopt};
            }
            case TT_Numeric:
                return OperandTerm{std::to_string(static_cast<int32_t>(term.uTerm.ulInteger)),
                                   kTermKindNumber, std::nullopt};
            case TT_DateTime:
                return dateTerm(term.uTerm.pcDateTime.value_or(""));
            default:
                return fail(kConditionUnsupportedOperand);
        }
    }

    std::unique_ptr<PlanNode> operand(const KivRpnOperand& operand) {
        const KivAttributesPlusTerm* attributesPlusTerm = operand.uOperand.psAttributesPlusTerm.get();
        if (operand.eOperandType != kOperandAttributesPlusTerm || attributesPlusTerm == nullptr) {
            condition_ = kConditionUnsupportedOperand;
            return nullptr;
        }
        const KivTerm& term = attributesPlusTerm->sTerm;
        const KivArray<KivAttributeElement>& elements = attributesPlusTerm->ppsAttributeElement;
        int32_t wordCount = 1;
        if (term.eTermType == TT_General) {
            std::string_view general =
                term.uTerm.psGeneral ? term.uTerm.psGeneral->pcValue : std::string_view();
            if (general.size() > kMaxTermOctets) {
                condition_ = kConditionTermTooLong;
                return nullptr;
            }
            wordCount = CountTermWords(general, definition_.stopWords);
        }

        MappingLookup lookup = FindAttributeMapping(definition_, elements, wordCount, settings_.defaultUse);
        if (lookup.condition != 0) condition_ = lookup.condition;
        if (lookup.mapping == nullptr) return nullptr;
        std::optional<OperandTerm> text =
            termText(term, *lookup.mapping, isDateUse(FirstNumericAttribute(elements, kUseType)));
        if (!text || !definition_.individual) return nullptr;
        if (lookup.key == nullptr) {
            condition_ = kConditionTemporarySystemError;
            return nullptr;
        }

        OperandQuery query{lookup.mapping, lookup.key, std::move(*text), std::string()};
        if (!lookup.mapping->relevanceReference) {
            OperandSql sql =
                BuildOperandSql(definition_, *lookup.mapping, *lookup.key, query.term, elements, settings_);
            if (sql.condition != 0) {
                condition_ = sql.condition;
                return nullptr;
            }
            query.statement = std::move(sql.statement);
        }
        auto leaf = std::make_unique<PlanNode>();
        leaf->operand = std::move(query);
        return leaf;
    }

    const SearchDefinition& definition_;
    const SearchSettings& settings_;
    int32_t condition_ = 0;
    int32_t operands_ = 0;
    bool tooLarge_ = false;
};

}  // namespace

SearchPlan PlanSearch(const DefinitionBlocks<SearchDefinition>& definitions, const KivRPNQuery& query,
                      const std::string& databaseName, const SearchSettings& settings) {
    SearchPlan plan;
    DefinitionLookup lookup =
        FindSearchDefinition(definitions, query.pcAttributeSetId.value_or(kBib1AttributeSet), databaseName);
    plan.currentDefinition = lookup.current;
    plan.definition = lookup.definition;
    if (lookup.definition == nullptr) {
        plan.condition = lookup.condition;
        return plan;
    }
    PlanWalk walk(*lookup.definition, settings);
    std::unique_ptr<PlanNode> root = walk.structure(query.sRpnStructure, 0);
    if (walk.tooLarge()) {
        plan.condition = kConditionTooManyBooleanOperators;
    } else if (walk.condition() != 0) {
        plan.condition = walk.condition();
    } else if (!lookup.definition->individual || !root) {
        plan.condition = kConditionUnspecified;
    } else {
        plan.root = std::move(root);
    }
    return plan;
}
