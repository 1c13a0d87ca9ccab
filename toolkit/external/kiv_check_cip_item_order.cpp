#include "toolkit/external/kiv_check_cip_item_order.h"

#include <string_view>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_cip_item_order.h"
#include "toolkit/api/kiv_validation.h"

namespace {

// Walks one package and reports its first fault.
class PackageChecker {
  public:
    PackageChecker(KivAssocId assoc, SIError** out) : assoc_(assoc), out_(out) {}

    int checkRequest(const KivCipBItemOrderRequest& request, const std::string& path) {
        if (member(request.psToKeep.get(), path, "psToKeep", &PackageChecker::checkToKeep) != 0) return 1;
        return member(request.psNotToKeep.get(), path, "psNotToKeep", &PackageChecker::checkNotToKeep);
    }

    int checkResponse(const KivCipBItemOrderResponse& response, const std::string& path) {
        if (member(response.psOriginPart.get(), path, "psOriginPart", &PackageChecker::checkToKeep) != 0) {
            return 1;
        }
        return member(response.sTargetPart.get(), path, "sTargetPart", &PackageChecker::checkTargetPart);
    }

  private:
    // A compulsory member reached through a pointer: 64 on path + name, else its check on name + "->".
    template <typename T>
    int member(const T* value, const std::string& path, std::string_view name,
               int (PackageChecker::*check)(const T&, const std::string&)) {
        const std::string memberPath = kivFieldPath(path, name);
        if (value == nullptr) return KivReportMissingField(assoc_, memberPath, out_);
        return (this->*check)(*value, kivFieldPath(memberPath, "->"));
    }

    // An optional member: nothing when absent, else as member.
    template <typename T>
    int optional(const T* value, const std::string& path, std::string_view name,
                 int (PackageChecker::*check)(const T&, const std::string&)) {
        return value == nullptr ? 0 : member(value, path, name, check);
    }

    // A compulsory array of structures: 64 when absent, else every element on name + "[i]->".
    template <typename T>
    int array(const KivArray<T>& items, const std::string& path, std::string_view name,
              int (PackageChecker::*check)(const T&, const std::string&)) {
        return kivCheckArray(assoc_, items, path, name, out_,
                             [this, check](KivAssocId, const T* item, const std::string& itemPath,
                                           SIError**) { return (this->*check)(*item, itemPath); });
    }

    // 64 on path + name unless the member is there.
    int present(bool there, const std::string& path, std::string_view name) {
        return there ? 0 : KivReportMissingField(assoc_, kivFieldPath(path, name), out_);
    }

    int otherInfo(const KivArray<KivOtherInformation>& items, const std::string& path) {
        return KivCheckOtherInformation(assoc_, &items, kivFieldPath(path, "ppsOtherInfo"), out_);
    }

    int range(int32_t value, uint32_t low, uint32_t high, const std::string& path, std::string_view name) {
        return kivCheckRange(assoc_, value, low, high, path, name, out_);
    }

    int checkToKeep(const KivCipBOriginPartToKeep& part, const std::string& path) {
        if (optional(part.psOrderSpecification.get(), path, "psOrderSpecification",
                     &PackageChecker::checkOrderSpecification) != 0 ||
            optional(part.psStatusUpdateOption.get(), path, "psStatusUpdateOption",
                     &PackageChecker::checkStatusUpdateOption) != 0 ||
            optional(part.psUserInformation.get(), path, "psUserInformation",
                     &PackageChecker::checkUserInformation) != 0) {
            return 1;
        }
        return otherInfo(part.ppsOtherInfo, path);
    }

    int checkNotToKeep(const KivCipBOriginPartNotToKeep& part, const std::string& path) {
        if (optional(part.psOrderSpecification.get(), path, "psOrderSpecification",
                     &PackageChecker::checkOrderSpecification) != 0 ||
            optional(part.psUserInformation.get(), path, "psUserInformation",
                     &PackageChecker::checkUserInformation) != 0) {
            return 1;
        }
        return otherInfo(part.ppsOtherInfo, path);
    }

    int checkTargetPart(const KivCipBTargetPart& part, const std::string& path) {
        if (optional(part.psOrderSpecification.get(), path, "psOrderSpecification",
                     &PackageChecker::checkOrderSpecification) != 0 ||
            optional(part.psOrderStatusInfo.get(), path, "psOrderStatusInfo",
                     &PackageChecker::checkOrderStatusInfo) != 0 ||
            optional(part.psUserInformation.get(), path, "psUserInformation",
                     &PackageChecker::checkUserInformation) != 0) {
            return 1;
        }
        return otherInfo(part.ppsOtherInfo, path);
    }

    int checkOrderSpecification(const KivCipBOrderSpecification& spec, const std::string& path) {
        if (optional(spec.psOrderPrice.get(), path, "psOrderPrice", &PackageChecker::checkPrice) != 0 ||
            array(spec.ppsDeliveryUnits, path, "ppsDeliveryUnits", &PackageChecker::checkDeliveryUnit) != 0) {
            return 1;
        }
        return otherInfo(spec.ppsOtherInfo, path);
    }

    int checkDeliveryUnit(const KivCipBDeliveryUnit& unit, const std::string& path) {
        if (optional(unit.psDeliveryUnitPrice.get(), path, "psDeliveryUnitPrice",
                     &PackageChecker::checkPrice) != 0 ||
            optional(unit.psDeliveryMethod.get(), path, "psDeliveryMethod",
                     &PackageChecker::checkDeliveryMethod) != 0 ||
            optional(unit.psBilling.get(), path, "psBilling", &PackageChecker::checkBilling) != 0 ||
            array(unit.ppsPackages, path, "ppsPackages", &PackageChecker::checkPackageSpec) != 0) {
            return 1;
        }
        return otherInfo(unit.ppsOtherInfo, path);
    }

    // An absent eMail text is sent as an empty one.
    int checkDeliveryMethod(const KivCipBDeliveryMethod& method, const std::string& path) {
        const auto& chosen = method.uDeliveryMethod;
        switch (method.eDeliveryMethodType) {
            case CIP_DM_EMAIL:
                return 0;
            case CIP_DM_FTP:
                return member(chosen.psFtp.get(), path, "uDeliveryMethod.psFtp", &PackageChecker::checkFtp);
            case CIP_DM_MAIL:
                return present(chosen.psMail != nullptr, path, "uDeliveryMethod.psMail");
            case CIP_DM_OTHERINFO:
                if (present(chosen.ppsOtherInfo.present(), path, "uDeliveryMethod.ppsOtherInfo") != 0)
                    return 1;
                return KivCheckOtherInformation(assoc_, &chosen.ppsOtherInfo,
                                                kivFieldPath(path, "uDeliveryMethod.ppsOtherInfo"), out_);
            default:
                return KivReportValueOutOfRange(assoc_, kivFieldPath(path, "eDeliveryMethodType"), out_);
        }
    }

    int checkFtp(const KivCipBFtpDelivery& ftp, const std::string& path) {
        return range(ftp.eTransferDirection, CIP_FTP_PUSH, CIP_FTP_PULL, path, "eTransferDirection");
    }

    int checkPackageSpec(const KivCipBPackageSpec& spec, const std::string& path) {
        if (optional(spec.psPackagePrice.get(), path, "psPackagePrice", &PackageChecker::checkPrice) != 0 ||
            member(spec.psPackage.get(), path, "psPackage", &PackageChecker::checkPackage) != 0) {
            return 1;
        }
        return otherInfo(spec.ppsOtherInfo, path);
    }

    int checkPackage(const KivCipBPackage& package, const std::string& path) {
        const auto& chosen = package.uPackage;
        switch (package.ePackageType) {
            case CIP_PKG_PREDEFINED:
                return member(chosen.psPredefinedPackage.get(), path, "uPackage.psPredefinedPackage",
                              &PackageChecker::checkPredefinedPackage);
            case CIP_PKG_ADHOC:
                return array(chosen.ppsAdHocPackage, path, "uPackage.ppsAdHocPackage",
                             &PackageChecker::checkProductSpec);
            default:
                return KivReportValueOutOfRange(assoc_, kivFieldPath(path, "ePackageType"), out_);
        }
    }

    int checkPredefinedPackage(const KivCipBPredefinedPackage& package, const std::string& path) {
        if (array(package.ppsOrderItems, path, "ppsOrderItems", &PackageChecker::checkProductSpec) != 0)
            return 1;
        return otherInfo(package.ppsOtherInfo, path);
    }

    int checkProductSpec(const KivCipBProductSpec& spec, const std::string& path) {
        if (optional(spec.psProductPrice.get(), path, "psProductPrice", &PackageChecker::checkPrice) != 0 ||
            optional(spec.psProductDeliveryOptions.get(), path, "psProductDeliveryOptions",
                     &PackageChecker::checkDeliveryOptions) != 0) {
            return 1;
        }
        return otherInfo(spec.ppsOtherInfo, path);
    }

    int checkDeliveryOptions(const KivCipBProductDeliveryOptions& options, const std::string& path) {
        return otherInfo(options.ppsOtherInfo, path);
    }

    int checkPrice(const KivCipBPrice& price, const std::string& path) {
        return kivCheckMember(assoc_, price.psPrice.get(), path, "psPrice", "->", out_, KivCheckIntUnit);
    }

    int checkStatusUpdateOption(const KivCipBStatusUpdateOption& option, const std::string& path) {
        return range(option.eStatusUpdateOptionType, ABT_MANUAL, ABT_AUTOMATIC, path,
                     "eStatusUpdateOptionType");
    }

    int checkOrderStatusInfo(const KivCipBOrderStatusInfo& info, const std::string& path) {
        return range(info.sOrderState.eOrderStateType, OSIT_STATICSTATE, OSIT_DYNAMICSTATE, path,
                     "sOrderState.eOrderStateType");
    }

    int checkUserInformation(const KivCipBUserInformation& user, const std::string& path) {
        return optional(user.psBilling.get(), path, "psBilling", &PackageChecker::checkBilling);
    }

    int checkBilling(const KivCipBBilling& billing, const std::string& path) {
        const std::string methodPath = kivFieldPath(path, "sPaymentMethod.");
        const auto& chosen = billing.sPaymentMethod.uPaymentMethod;
        switch (billing.sPaymentMethod.ePaymentMethodType) {
            case PMT_BILLINVOICE:
            case PMT_PREPAY:
            case PMT_DEPOSITACCOUNT:
            case PMT_CARDINFOPREVIOUSLYSUPPLIED:
            case ABT_PRIVATEKNOWN:
                return 0;
            case PMT_CREDITCARD:
                return present(chosen.psCreditCard != nullptr, methodPath, "uPaymentMethod.psCreditCard");
            case ABT_PRIVATENOTKNOWN:
                return kivCheckMember(assoc_, chosen.psPrivateNotKnown.get(), methodPath,
                                      "uPaymentMethod.psPrivateNotKnown", "->", out_, KivCheckExternal);
            default:
                return KivReportValueOutOfRange(assoc_, kivFieldPath(methodPath, "ePaymentMethodType"), out_);
        }
    }

    KivAssocId assoc_;
    SIError** out_;
};

}  // namespace

int KivCheckCipBItemOrderExtendedService(KivAssocId assoc, const KivSingleASN1Type* single,
                                         const std::string& path, SIError** out) {
    const std::string packagePath = kivFieldPath(path, "uASN1.psCipBItemOrderExtendedService");
    const KivCipBItemOrderExtendedService* package = single->uASN1.psCipBItemOrderExtendedService.get();
    if (package == nullptr) return KivReportMissingField(assoc, packagePath, out);
    const std::string fieldsPath = kivFieldPath(packagePath, "->");
    const auto& part = package->uItemOrderReqOrRsp;
    PackageChecker checker(assoc, out);
    switch (package->eItemOrderReqRsp) {
        case IOROR_CipBRequest:
            return kivCheckMember(
                assoc, part.psItemOrderRequest.get(), fieldsPath, "uItemOrderReqOrRsp.psItemOrderRequest",
                "->", out,
                [&](KivAssocId, const KivCipBItemOrderRequest* request, const std::string& requestPath,
                    SIError**) { return checker.checkRequest(*request, requestPath); });
        case IOROR_CipBResponse:
            return kivCheckMember(
                assoc, part.psItemOrderResponse.get(), fieldsPath, "uItemOrderReqOrRsp.psItemOrderResponse",
                "->", out,
                [&](KivAssocId, const KivCipBItemOrderResponse* response, const std::string& responsePath,
                    SIError**) { return checker.checkResponse(*response, responsePath); });
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(fieldsPath, "eItemOrderReqRsp"), out);
    }
}
