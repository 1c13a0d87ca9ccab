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
    Bib1Outcome outcome() const { return outcome_; }

  private:
    std::unique_ptr<PlanNode> side(const std::unique_ptr<KivRpnStructure>& node, int32_t depth) {
        return node ? structure(*node, depth) : nullptr;
    }

    std::unique_ptr<PlanNode> combination(const KivRpnLopRopOperator& node, int32_t depth) {
        std::unique_ptr<PlanNode> left = side(node.psLeftOperand, depth);
        if (tooLarge_ || (!left && definition_.individual)) return nullptr;
        int32_t operatorType = node.sOperator.eOperatorType;
        bool known = operatorType >= 1 && operatorType <= 3;
        if (!known) outcome_ = Bib1Outcome::failure(kConditionUnsupportedOperator);
        std::unique_ptr<PlanNode> right = side(node.psRightOperand, depth);
        if (tooLarge_ || (!right && definition_.individual)) return nullptr;
        if (!known) return fail(kConditionUnsupportedOperator);
        if (!left || !right) return nullptr;
        auto combined = std::make_unique<PlanNode>();
        combined->combination = static_cast<PlanOperator>(operatorType);
        combined->left = std::move(left);
        combined->right = std::move(right);
        return combined;
    }

    // Keeps the condition as the walk's latest fault; the failed step gives no node.
    std::unique_ptr<PlanNode> fail(Bib1Condition condition) {
        outcome_ = Bib1Outcome::failure(condition);
        return nullptr;
    }
    // The failed step gives no term.
    std::optional<OperandTerm> failTerm(Bib1Condition condition) {
        fail(condition);
        return std::nullopt;
    }

    std::optional<OperandTerm> dateTerm(std::string_view text) {
        std::optional<DateParts> date = ParseDateTerm(text);
        if (!date) return failTerm(kConditionMalformedTerm);
        return OperandTerm{FormatDateLiteral(*date, settings_.dateLiteral), kTermKindDate, date};
    }

    std::optional<OperandTerm> termText(const KivTerm& term, const AttributeMapping& mapping, bool dateUse) {
        switch (term.eTermType) {
            case TT_General: {
                std::string text = term.uTerm.psGeneral ? term.uTerm.psGeneral->pcValue : std::string();
                if (text.find('\0') != std::string::npos) return failTerm(kConditionMalformedTerm);
                if (mapping.wordList) text = RemoveStopWords(text, definition_.stopWords);
                if (std::none_of(text.begin(), text.end(), octet::isAlnum))
                    return failTerm(kConditionMalformedTerm);
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
                return failTerm(kConditionUnsupportedOperand);
        }
    }

    std::unique_ptr<PlanNode> operand(const KivRpnOperand& operand) {
        const KivAttributesPlusTerm* attributesPlusTerm = operand.uOperand.psAttributesPlusTerm.get();
        if (operand.eOperandType != kOperandAttributesPlusTerm || attributesPlusTerm == nullptr)
            return fail(kConditionUnsupportedOperand);
        const KivTerm& term = attributesPlusTerm->sTerm;
        const KivArray<KivAttributeElement>& elements = attributesPlusTerm->ppsAttributeElement;
        int32_t wordCount = 1;
        if (term.eTermType == TT_General) {
            std::string_view general =
                term.uTerm.psGeneral ? term.uTerm.psGeneral->pcValue : std::string_view();
            if (general.size() > kMaxTermOctets) return fail(kConditionTermTooLong);
            wordCount = CountTermWords(general, definition_.stopWords);
        }

        MappingLookup lookup = FindAttributeMapping(definition_, elements, wordCount, settings_.defaultUse);
        outcome_.keepFailure(lookup.outcome);
        if (lookup.mapping == nullptr) return nullptr;
        std::optional<OperandTerm> text =
            termText(term, *lookup.mapping, isDateUse(FirstNumericAttribute(elements, kUseType)));
        if (!text || !definition_.individual) return nullptr;
        if (lookup.key == nullptr) return fail(kConditionTemporarySystemError);

        OperandQuery query{lookup.mapping, lookup.key, std::move(*text), std::string()};
        if (!lookup.mapping->relevanceReference) {
            Bib1Result<std::string> sql =
                BuildOperandSql(definition_, *lookup.mapping, *lookup.key, query.term, elements, settings_);
            if (!sql) {
                outcome_ = sql.outcome();
                return nullptr;
            }
            query.statement = std::move(*sql);
        }
        auto leaf = std::make_unique<PlanNode>();
        leaf->operand = std::move(query);
        return leaf;
    }

    const SearchDefinition& definition_;
    const SearchSettings& settings_;
    Bib1Outcome outcome_;
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
        plan.outcome = lookup.outcome;
        return plan;
    }
    PlanWalk walk(*lookup.definition, settings);
    std::unique_ptr<PlanNode> root = walk.structure(query.sRpnStructure, 0);
    if (walk.tooLarge()) {
        plan.outcome = Bib1Outcome::failure(kConditionTooManyBooleanOperators);
    } else if (!walk.outcome()) {
        plan.outcome = walk.outcome();
    } else if (!lookup.definition->individual || !root) {
        plan.outcome = Bib1Outcome::failure(kConditionUnspecified);
    } else {
        plan.root = std::move(root);
    }
    return plan;
}
