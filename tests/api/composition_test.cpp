#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/api/carried_records_equality.h"
#include "tests/api/carried_records_samples.h"
#include "tests/api/kiv_codec_round_trip.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "tests/util/process_log_fixture.h"
#include "toolkit/api/kiv_check_composition.h"
#include "toolkit/api/kiv_convert_composition.h"

namespace {

namespace z = codec::z3950;
using carried::same;

const GeneratedType& compositionType() {
    static const GeneratedType type = GENERATED_TYPE(z, PresentRequestRecordComposition, 0);
    return type;
}

KivRecordComposition elementSetNames(int32_t type) {
    KivRecordComposition composition;
    composition.eRecordCompositionType = 1;
    auto names = std::make_unique<KivElementSetNames>();
    names->eElementSetType = type;
    if (type == EST_Generic) {
        names->uElementSet.psGeneric = carried::text("F");
    } else {
        KivElementSetsDbSpecific* item = names->uElementSet.ppsElementSetsDbSpecific.emplace();
        item->psDatabaseName = carried::text("books");
        item->psElementSetName = carried::text("B");
    }
    composition.uRecordComposition.psElementSetNames = std::move(names);
    return composition;
}

KivRecordComposition compSpec(const std::function<void(KivCompSpec&)>& fill) {
    KivRecordComposition composition;
    composition.eRecordCompositionType = 2;
    composition.uRecordComposition.psCompSpec = std::make_unique<KivCompSpec>();
    fill(*composition.uRecordComposition.psCompSpec);
    return composition;
}

std::unique_ptr<KivElementSpec> primitive(const std::string& name) {
    auto spec = std::make_unique<KivElementSpec>();
    spec->eElementSpecType = EST_Primitive;
    spec->uElementSpec.psPrimitive = carried::text(name);
    return spec;
}

std::unique_ptr<KivElementSpec> externalSpec() {
    auto spec = std::make_unique<KivElementSpec>();
    spec->eElementSpecType = EST_External;
    spec->uElementSpec.psExternal =
        std::make_unique<KivExternal>(carried::octetAligned("1.2.840.10003.11.1", "espec"));
    return spec;
}

// A CompSpec with every member: a generic specification, two database-specific ones and two record syntaxes.
KivRecordComposition fullCompSpec() {
    return compSpec([](KivCompSpec& spec) {
        spec.fSelectAlternativeSyntax = 1;
        spec.psGeneric = std::make_unique<KivSpecification>();
        spec.psGeneric->pcSchema = "1.2.840.10003.13.1";
        spec.psGeneric->psElementSpec = primitive("F");
        KivDbSpecific* first = spec.ppsDbSpecific.emplace();
        first->sDatabaseName.pcValue = "books";
        first->sSpecification.psElementSpec = externalSpec();
        KivDbSpecific* second = spec.ppsDbSpecific.emplace();
        second->sDatabaseName.pcValue = "serials";
        second->sSpecification.pcSchema = "1.2.840.10003.13.2";
        spec.ppcRecordSyntax.emplace("1.2.840.10003.5.10");
        spec.ppcRecordSyntax.emplace("1.0.10163.5.101");
    });
}

TEST(CompositionTest, BothKindsRoundTrip) {
    std::vector<KivRecordComposition> cases;
    cases.push_back(elementSetNames(EST_Generic));
    cases.push_back(elementSetNames(EST_DatabaseSpecific));
    cases.push_back(fullCompSpec());
    cases.push_back(compSpec([](KivCompSpec& spec) { spec.fSelectAlternativeSyntax = 1; }));
    cases.push_back(
        compSpec([](KivCompSpec& spec) { spec.psGeneric = std::make_unique<KivSpecification>(); }));
    for (const KivRecordComposition& sent : cases) {
        KivRecordComposition received;
        kivRoundTrip<z::PresentRequestRecordComposition, KivRecordComposition>(
            compositionType(), sent, &received, KivRecordCompositionToCodec, KivRecordCompositionFromCodec);
        EXPECT_TRUE(same(sent, received)) << sent.eRecordCompositionType;
    }
}

TEST(CompositionTest, CodecValuesFollowTheirRules) {
    const KivRecordComposition full = fullCompSpec();
    GeneratedRecord codec(compositionType());
    auto* composition = static_cast<z::PresentRequestRecordComposition*>(codec.get());
    KivRecordCompositionToCodec(composition, &full);
    ASSERT_EQ(composition->choiceId, z::PresentRequestRecordComposition::kComplex);
    EXPECT_EQ(ASN_ListCount(composition->complex->recordSyntax), 2);
    EXPECT_EQ(ASN_ListCount(composition->complex->dbSpecific), 2);

    // Only 1 is true; the optional members stay absent.
    const KivRecordComposition two = compSpec([](KivCompSpec& spec) { spec.fSelectAlternativeSyntax = 2; });
    GeneratedRecord twoCodec(compositionType());
    auto* twoComposition = static_cast<z::PresentRequestRecordComposition*>(twoCodec.get());
    KivRecordCompositionToCodec(twoComposition, &two);
    EXPECT_EQ(twoComposition->complex->selectAlternativeSyntax, 0);
    EXPECT_EQ(twoComposition->complex->generic, nullptr);
    EXPECT_EQ(twoComposition->complex->dbSpecific, nullptr);
    EXPECT_EQ(twoComposition->complex->recordSyntax, nullptr);

    // A selector without an alternative converts nothing.
    KivRecordComposition three;
    three.eRecordCompositionType = 3;
    GeneratedRecord threeCodec(compositionType());
    KivRecordCompositionToCodec(static_cast<z::PresentRequestRecordComposition*>(threeCodec.get()), &three);
    EXPECT_EQ(static_cast<z::PresentRequestRecordComposition*>(threeCodec.get())->slot, nullptr);

    KivArray<std::string> untouched;
    KivOptionalOidListFromCodec(&untouched, nullptr);
    EXPECT_FALSE(untouched.present());
    KivOidListFromCodec(&untouched, composition->complex->recordSyntax);
    ASSERT_EQ(untouched.size(), 2u);
    EXPECT_EQ(*untouched[1], "1.0.10163.5.101");
}

using CheckCompositionTest = ProcessLogFixture;

const std::string kCompositionPath = "psPresentReq->psRecordComposition->";
const std::string kCompositionSpec = kCompositionPath + "uRecordComposition.psCompSpec->";

struct CompositionFaultCase {
    const char* what;
    std::function<KivRecordComposition()> make;
    long code;
    std::string message;
};

KivRecordComposition changedSpec(const std::function<void(KivCompSpec&)>& change) {
    KivRecordComposition composition = fullCompSpec();
    change(*composition.uRecordComposition.psCompSpec);
    return composition;
}

TEST_F(CheckCompositionTest, ValidCompositionsPass) {
    std::vector<KivRecordComposition> valid;
    valid.push_back(elementSetNames(EST_Generic));
    valid.push_back(elementSetNames(EST_DatabaseSpecific));
    valid.push_back(fullCompSpec());
    valid.push_back(
        compSpec([](KivCompSpec& spec) { spec.psGeneric = std::make_unique<KivSpecification>(); }));
    for (const KivRecordComposition& composition : valid) {
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckRecordComposition(0, &composition, kCompositionPath, &error), 0);
        EXPECT_EQ(error, nullptr);
    }
    SIError* error = nullptr;
    EXPECT_EQ(KivCheckOptionalRecordComposition(0, nullptr, kCompositionPath, &error), 0);
}

TEST_F(CheckCompositionTest, EachFaultIsReportedOnceWithItsPath) {
    const std::vector<CompositionFaultCase> cases = {
        {"composition type 0",
         [] {
             KivRecordComposition c;
             return c;
         },
         66, kCompositionPath + "eRecordCompositionType contains a value which is out of its range"},
        {"element-set names missing",
         [] {
             KivRecordComposition c = elementSetNames(EST_Generic);
             c.uRecordComposition.psElementSetNames.reset();
             return c;
         },
         64, "Missing compulsory field " + kCompositionPath + "uRecordComposition.psElementSetNames"},
        {"element-set type 3",
         [] {
             KivRecordComposition c = elementSetNames(EST_Generic);
             c.uRecordComposition.psElementSetNames->eElementSetType = 3;
             return c;
         },
         66,
         kCompositionPath +
             "uRecordComposition.psElementSetNames->eElementSetType contains a value which is out of its "
             "range"},
        {"generic name missing",
         [] {
             KivRecordComposition c = elementSetNames(EST_Generic);
             c.uRecordComposition.psElementSetNames->uElementSet.psGeneric.reset();
             return c;
         },
         64,
         "Missing compulsory field " + kCompositionPath +
             "uRecordComposition.psElementSetNames->uElementSet.psGeneric"},
        {"database-specific names missing",
         [] {
             KivRecordComposition c = elementSetNames(EST_DatabaseSpecific);
             c.uRecordComposition.psElementSetNames->uElementSet.ppsElementSetsDbSpecific.reset();
             return c;
         },
         64,
         "Missing compulsory field " + kCompositionPath +
             "uRecordComposition.psElementSetNames->uElementSet.ppsElementSetsDbSpecific"},
        {"CompSpec missing",
         [] {
             KivRecordComposition c = fullCompSpec();
             c.uRecordComposition.psCompSpec.reset();
             return c;
         },
         64, "Missing compulsory field " + kCompositionPath + "uRecordComposition.psCompSpec"},
        {"alternative syntax 2",
         [] { return changedSpec([](KivCompSpec& s) { s.fSelectAlternativeSyntax = 2; }); }, 72,
         "Invalid boolean value " + kCompositionSpec + "fSelectAlternativeSyntax given"},
        {"generic schema",
         [] { return changedSpec([](KivCompSpec& s) { s.psGeneric->pcSchema = "1.2.04"; }); }, 73,
         "Invalid oid value " + kCompositionSpec + "psGeneric->pcSchema given"},
        {"element spec type 3",
         [] { return changedSpec([](KivCompSpec& s) { s.psGeneric->psElementSpec->eElementSpecType = 3; }); },
         66,
         kCompositionSpec +
             "psGeneric->psElementSpec->eElementSpecType contains a value which is out of its range"},
        {"primitive missing",
         [] {
             return changedSpec(
                 [](KivCompSpec& s) { s.psGeneric->psElementSpec->uElementSpec.psPrimitive.reset(); });
         },
         64,
         "Missing compulsory field " + kCompositionSpec +
             "psGeneric->psElementSpec->uElementSpec.psPrimitive"},
        {"external spec missing",
         [] {
             return changedSpec([](KivCompSpec& s) {
                 s.ppsDbSpecific[0]->sSpecification.psElementSpec->uElementSpec.psExternal.reset();
             });
         },
         64,
         "Missing compulsory field " + kCompositionSpec +
             "ppsDbSpecific[0]->sSpecification.psElementSpec->uElementSpec.psExternal"},
        {"external spec encoding",
         [] {
             return changedSpec([](KivCompSpec& s) {
                 s.ppsDbSpecific[0]->sSpecification.psElementSpec->uElementSpec.psExternal->eValueType = 0;
             });
         },
         66,
         kCompositionSpec +
             "ppsDbSpecific[0]->sSpecification.psElementSpec->uElementSpec.psExternal->eValueType "
             "contains a value "
             "which is out of its range"},
        {"database-specific schema",
         [] {
             return changedSpec([](KivCompSpec& s) { s.ppsDbSpecific[1]->sSpecification.pcSchema = "1"; });
         },
         73, "Invalid oid value " + kCompositionSpec + "ppsDbSpecific[1]->sSpecification.pcSchema given"},
        {"record syntax with an empty arc",
         [] { return changedSpec([](KivCompSpec& s) { *s.ppcRecordSyntax[0] = "1..2"; }); }, 73,
         "Invalid oid value " + kCompositionSpec + "ppcRecordSyntax[0] given"},
    };
    for (const CompositionFaultCase& c : cases) {
        std::filesystem::remove("KIV_API_logfile");
        createLog();
        const KivRecordComposition composition = c.make();
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckRecordComposition(0, &composition, kCompositionPath, &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

}  // namespace
