#include "toolkit/trace/ill_extension_printer.h"

#include "toolkit/trace/ill_part_printers.h"
#include "toolkit/trace/value_printers.h"

namespace trace::ill {
namespace {

using trace::addressOf;

// The identifier whose item the programming interface holds.
constexpr uint32_t kAddIllReqInfoIdentifier = 800;

constexpr EnumName kRequesterGroups[] = {
    {RG_UserGroup1, "RG_UserGroup1"},
    {RG_UserGroup2, "RG_UserGroup2"},
};
constexpr EnumName kStatusLevelsUser[] = {
    {SLU_All, "SLU_All"},
    {SLU_Negative, "SLU_Negative"},
    {SLU_None, "SLU_None"},
};
constexpr EnumName kStatusLevelsOrigin[] = {
    {SLO_All, "SLO_All"},
    {SLO_Negative, "SLO_Negative"},
    {SLO_None, "SLO_None"},
};
constexpr EnumName kBillingInvoiceTypes[] = {
    {BIT_Single, "BIT_Single"},
    {BIT_Collective, "BIT_Collective"},
};

void printRequesterInfo(std::FILE* file, const KivAddRequesterInfo& info) {
    std::fputs("\npeRequesterGroup: ", file);
    printOptionalEnumName(file, info.peRequesterGroup, kRequesterGroups);
    printLabelledText(file, "pcRequesterEmailAddress: ", info.pcRequesterEmailAddress);
}

void printDeliveryInfo(std::FILE* file, const KivAddDeliveryInfo& info) {
    std::fputs("\npeStatusLevelUser: ", file);
    printOptionalEnumName(file, info.peStatusLevelUser, kStatusLevelsUser);
    std::fputs("peStatusLevelOrigin: ", file);
    printOptionalEnumName(file, info.peStatusLevelOrigin, kStatusLevelsOrigin);
    printLabelledText(file, "pcDeliveryNotes: ", info.pcDeliveryNotes);
    printLabelledText(file, "pcCountryDeliveryTarget: ", info.pcCountryDeliveryTarget);
    KivPrintNamedBoolean(file, "pfAlternativePostalDelivery", addressOf(info.pfAlternativePostalDelivery));
}

void printBankInfo(std::FILE* file, const KivBillingBankInfo& bank) {
    printLabelledText(file, "\npcBankAccountHouse: ", bank.pcBankAccountHouse);
    printLabelledText(file, "pcBankAccountRoutingSymbol: ", bank.pcBankAccountRoutingSymbol);
    printLabelledText(file, "pcBankAccountNo: ", bank.pcBankAccountNo);
    KivPrintNamedBoolean(file, "fBankAuthority", &bank.fBankAuthority);
}

void printCreditCardInfo(std::FILE* file, const KivBillingCreditCardInfo& card) {
    printLabelledText(file, "\npcCardCompany: ", card.pcCardCompany);
    printLabelledText(file, "pcCardNo: ", card.pcCardNo);
    printLabelledText(file, "pcCardValidFrom: ", card.pcCardValidFrom);
    printLabelledText(file, "pcCardValidThru: ", card.pcCardValidThru);
}

void printBillingInfo(std::FILE* file, const KivAddBillingInfo& billing) {
    std::fputs("\neAddBillingType: ", file);
    const auto& member = billing.uAddBillingInfo;
    switch (billing.eAddBillingType) {
        case ABT_BankInfo:
            std::fputs("ABT_BankInfo\n", file);
            printOptional(file, "psBillingBankInfo: ", member.psBillingBankInfo.get(), printBankInfo);
            break;
        case ABT_CreditCardInfo:
            std::fputs("ABT_CreditCardInfo\n", file);
            printOptional(file, "psBillingCreditCardInfo: ", member.psBillingCreditCardInfo.get(),
                          printCreditCardInfo);
            break;
        case ABT_InvoiceType:
            std::fputs("ABT_InvoiceType\neBillingInvoiceType: ", file);
            printEnumName(file, member.eBillingInvoiceType, kBillingInvoiceTypes);
            break;
        case ABT_PrepaidType:
            std::fputs("ABT_PrepaidType\n", file);
            printLabelledText(file, "pcPrepaidId: ", member.pcPrepaidId);
            break;
        case ABT_DepositType:
            std::fputs("ABT_DepositType\n", file);
            printLabelledText(file, "pcDepositId: ", member.pcDepositId);
            break;
        default:
            std::fputs("\n", file);
            break;
    }
}

void printAddIllReqInfo(std::FILE* file, const KivAddIllReqInfo& info) {
    KivPrintNamedBoolean(file, "pfCustomerInfoToKeep", addressOf(info.pfCustomerInfoToKeep));
    printOptional(file, "psAddRequesterInfo: ", info.psAddRequesterInfo.get(), printRequesterInfo);
    printOptional(file, "psAddDeliveryInfo: ", info.psAddDeliveryInfo.get(), printDeliveryInfo);
    printOptional(file, "psAddBillingInfo: ", info.psAddBillingInfo.get(), printBillingInfo);
}

void printExtension(std::FILE* file, const KivIllExtension& extension) {
    std::fprintf(file, "ulIdentifier: %lu\n", static_cast<unsigned long>(extension.ulIdentifier));
    KivPrintNamedBoolean(file, "pfCritical", addressOf(extension.pfCritical));
    if (extension.ulIdentifier != kAddIllReqInfoIdentifier) return;
    printOptional(file, "psAddIllReqInfo:\n", extension.uItem.psAddIllReqInfo.get(), printAddIllReqInfo);
}

}  // namespace

void printExtensions(std::FILE* file, const KivArray<KivIllExtension>& extensions) {
    printNumbered(file, extensions, "psRequestExtension", "\n", printExtension);
}

}  // namespace trace::ill
