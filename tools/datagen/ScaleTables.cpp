#include "ScaleTables.h"

#include "Format.h"
#include "SurveyFit.h"

#include <cmath>

const std::array<double, kSizeRows> kRowPercentiles = {2.5, 5.0, 50.0, 95.0, 97.5};
const std::array<double, kSizeRows> kRowZ = {-1.959964, -1.644854, 0.0, 1.644854, 1.959964};

namespace {

const char* const kAnsur = "USA_Army_ANSUR1988";
const char* const kRowColumns[kSizeRows] = {"p2_5", "p5", "p50", "p95", "p97_5"};
constexpr int kMedianRow = 2;

// The ANSUR 1988 measures whose percentiles drive each segment's width, length and depth.
// nullptr: widths follow the stature-weight relation, lengths follow stature. A second measure
// makes the driver the geometric mean of both: the chest's width carries both the chest and the
// shoulder joints (chest and biacromial breadth), and the knee axis lies half-way between
// popliteal height and knee height.
struct Drivers {
    const char* width;
    const char* length;
    const char* depth;
    const char* secondWidth = nullptr;
    const char* secondLength = nullptr;
};
const Drivers kDrivers[kMainSegmentCount] = {
    {"chest_breadth", "sitting_height", "chest_depth", "biacromial_breadth"},       // kChest
    {nullptr, "sitting_height", nullptr},                                           // kNeck
    {nullptr, "shoulder_elbow_length", nullptr},                                    // kLeftArm
    {nullptr, "shoulder_elbow_length", nullptr},                                    // kRightArm
    {"hip_breadth_standing", "sitting_height", nullptr},                            // kAbdomen
    {nullptr, "buttock_knee_length", nullptr},                                      // kLeftLeg
    {nullptr, "buttock_knee_length", nullptr},                                      // kRightLeg
    {nullptr, "forearm_hand_length", nullptr},                                      // kLeftForearm
    {nullptr, "forearm_hand_length", nullptr},                                      // kRightForearm
    {nullptr, "knee_height_sitting", nullptr, nullptr, "popliteal_height_sitting"}, // kLeftLowerLeg
    {nullptr, "knee_height_sitting", nullptr, nullptr,
     "popliteal_height_sitting"},                           // kRightLowerLeg
    {"foot_breadth", nullptr, "foot_length"},               // kLeftFoot
    {"hand_breadth", "hand_length", "hand_breadth"},        // kRightPalm
    {"hand_breadth", "hand_length", "hand_breadth"},        // kLeftPalm
    {"foot_breadth", nullptr, "foot_length"},               // kRightFoot
    {"head_breadth", "head_circumference", "head_length"}}; // kHead

const int kChain[] = {kHead,     kNeck,         kChest,         kAbdomen,  kLeftLeg,
                      kRightLeg, kLeftLowerLeg, kRightLowerLeg, kLeftFoot, kRightFoot};

const char* SexName(Sex sex) {
    return sex == Sex::Male ? "male" : "female";
}

// Stature (cm) and weight (kg) of a population at the five rows.
struct Anchor {
    std::array<double, kSizeRows> stature{};
    std::array<double, kSizeRows> weight{};
    std::string provenance;
};

double AnsurValue(const CSources& src, Sex sex, const char* measure, int row) {
    return src.Population(kAnsur, SexName(sex), measure, kRowColumns[row]);
}

double AnsurRatio(const CSources& src, Sex sex, const char* measure, int row) {
    return AnsurValue(src, sex, measure, row) / AnsurValue(src, sex, measure, kMedianRow);
}

// Stature rows from a median and SD (cm); weight rows from a median weight spread like ANSUR's.
Anchor NormalAnchor(const CSources& src, Sex sex, double median, double sd, double weightMedian) {
    Anchor a;
    for (int r = 0; r < kSizeRows; ++r) {
        a.stature[r] = median + kRowZ[r] * sd;
        a.weight[r] = weightMedian * AnsurRatio(src, sex, "weight", r);
    }
    return a;
}

double AnsurCv(const CSources& src, Sex sex) {
    return src.Population(kAnsur, SexName(sex), "stature", "sd") /
           src.Population(kAnsur, SexName(sex), "stature", "mean");
}

double NcdStature(const CSources& src, const std::string& country, Sex sex) {
    return src.Population(country + "_NCDRisC_adults2016", SexName(sex), "stature", "mean") / 10.0;
}

double NcdBmi(const CSources& src, const std::string& country, Sex sex) {
    return src.Population(country + "_NCDRisC_adults2016", SexName(sex), "bmi", "mean");
}

Anchor UsaAnchor(const CSources& src, Sex sex) {
    Anchor a;
    for (int r = 0; r < kSizeRows; ++r) {
        a.stature[r] = AnsurValue(src, sex, "stature", r) / 10.0;
        a.weight[r] = AnsurValue(src, sex, "weight", r);
    }
    a.provenance = "stature and weight percentiles of ANSUR 1988 (measured)";
    return a;
}

// A population with a national mean stature and BMI only (NCD-RisC): ANSUR's stature CV.
Anchor NationalMeanAnchor(const CSources& src, const std::string& country, Sex sex) {
    const double h = NcdStature(src, country, sex);
    Anchor a = NormalAnchor(src, sex, h, h * AnsurCv(src, sex),
                            NcdBmi(src, country, sex) * (h / 100.0) * (h / 100.0));
    a.provenance = "median stature = NCD-RisC " + country +
                   " mean (cohorts 1951-96); SD = ANSUR 1988 CV x median (derived); median "
                   "weight = NCD-RisC 2016 BMI x stature^2 (derived); weight spread = ANSUR 1988 "
                   "percentile ratios (derived)";
    return a;
}

// A population with a CityU stature table (median and SD) and an NCD-RisC BMI.
Anchor TableAnchor(const CSources& src, const std::string& table, const std::string& bmiCountry,
                   Sex sex) {
    const double h = src.Population(table, SexName(sex), "stature", "p50") / 10.0;
    const double sd = src.Population(table, SexName(sex), "stature", "sd") / 10.0;
    Anchor a =
        NormalAnchor(src, sex, h, sd, NcdBmi(src, bmiCountry, sex) * (h / 100.0) * (h / 100.0));
    a.provenance = "median and SD of stature = " + table +
                   " (sourced); median weight = NCD-RisC 2016 " + bmiCountry +
                   " BMI x stature^2 (derived); weight spread = ANSUR 1988 percentile ratios "
                   "(derived)";
    return a;
}

Anchor NorthEuropeAnchor(const CSources& src, Sex sex) {
    const char* countries[] = {"Netherlands", "Sweden", "Norway", "Denmark", "Finland"};
    double h = 0.0, bmi = 0.0;
    for (const char* c : countries) {
        h += NcdStature(src, c, sex) / 5.0;
        bmi += NcdBmi(src, c, sex) / 5.0;
    }
    const std::string dutch = "Netherlands_2009_age21";
    const double sd = src.Population(dutch, SexName(sex), "stature", "sd") / 10.0;
    const double weight = bmi * (h / 100.0) * (h / 100.0);
    Anchor a;
    for (int r = 0; r < kSizeRows; ++r) {
        a.stature[r] = h + kRowZ[r] * sd;
        a.weight[r] = weight * src.Population(dutch, SexName(sex), "weight", kRowColumns[r]) /
                      src.Population(dutch, SexName(sex), "weight", "p50");
    }
    a.provenance = "median stature = mean of the NCD-RisC means of the Netherlands, Sweden, "
                   "Norway, Denmark and Finland (derived); SD of stature and weight percentile "
                   "ratios = Dutch growth reference at 21 years, 2009 (sourced); median weight = "
                   "mean NCD-RisC 2016 BMI x stature^2 (derived)";
    return a;
}

// The design range of the space station standard: 95th percentile American man, 5th percentile
// Japanese woman; the rest of each row follows from a CV.
Anchor NasaAnchor(const CSources& src, Sex sex) {
    const std::string nasa = "NASA-STD-3000_ISS_limits_secondary";
    Anchor a;
    if (sex == Sex::Male) {
        const double cv = AnsurCv(src, sex);
        const double h =
            src.Population(nasa, "male", "stature", "p95") / 10.0 / (1.0 + 1.644854 * cv);
        const double bmi = AnsurValue(src, sex, "weight", kMedianRow) /
                           std::pow(AnsurValue(src, sex, "stature", kMedianRow) / 1000.0, 2.0);
        a = NormalAnchor(src, sex, h, h * cv, bmi * (h / 100.0) * (h / 100.0));
        a.provenance = "95th percentile stature = ISS limit for the American man (secondary "
                       "source); median and SD from ANSUR 1988's CV (derived); weight = ANSUR "
                       "1988 median BMI x stature^2, spread by ANSUR percentile ratios (derived)";
    } else {
        const double cv = src.Population("Japan_adults_CityU", "female", "stature", "sd") /
                          src.Population("Japan_adults_CityU", "female", "stature", "p50");
        const double h =
            src.Population(nasa, "female", "stature", "p5") / 10.0 / (1.0 - 1.644854 * cv);
        a = NormalAnchor(src, sex, h, h * cv,
                         NcdBmi(src, "Japan", sex) * (h / 100.0) * (h / 100.0));
        a.provenance = "5th percentile stature = ISS limit for the Japanese woman (secondary "
                       "source); median and SD from the CityU Japanese women's CV (derived); "
                       "weight = NCD-RisC 2016 Japan BMI x stature^2, spread by ANSUR percentile "
                       "ratios (derived)";
    }
    return a;
}

// Scale vectors of one row: each segment follows its ANSUR 1988 measure relative to ANSUR's
// stature (or to its stature-weight breadth factor), carried onto the population's own stature
// and weight and shaped like the survey's median (SurveyFit); the stature chain is then
// stretched to add up to the row's stature exactly.
std::array<Vec3, kMainSegmentCount> AdultScales(const CSources& src, Sex sex, const Anchor& a,
                                                int row) {
    const SurveyFit fit = FitToSurvey(src, sex);
    const double h = a.stature[row], w = a.weight[row];
    const double ansurStature = AnsurRatio(src, sex, "stature", row);
    const double ansurBreadth =
        BreadthFactor(sex, AnsurValue(src, sex, "stature", row) / 10.0,
                      AnsurValue(src, sex, "weight", row)) /
        BreadthFactor(sex, AnsurValue(src, sex, "stature", kMedianRow) / 10.0,
                      AnsurValue(src, sex, "weight", kMedianRow));
    const double lengthBase = h / ReferenceChainStature(sex);
    const double breadthBase = BreadthFactor(sex, h, w);
    std::array<Vec3, kMainSegmentCount> scale{};
    for (int s = 0; s < kMainSegmentCount; ++s) {
        const Drivers& d = kDrivers[s];
        auto ratio = [&](const char* first, const char* second, double otherwise) {
            if (!first) {
                return otherwise;
            }
            const double r = AnsurRatio(src, sex, first, row);
            return second ? std::sqrt(r * AnsurRatio(src, sex, second, row)) : r;
        };
        const double length = ratio(d.length, d.secondLength, ansurStature);
        const double width = ratio(d.width, d.secondWidth, ansurBreadth);
        const double depth = d.depth ? AnsurRatio(src, sex, d.depth, row) : ansurBreadth;
        const Vec3& c = fit.correction[s];
        scale[s] = {breadthBase * width / ansurBreadth * c.x,
                    lengthBase * length / ansurStature * c.y,
                    breadthBase * depth / ansurBreadth * c.z};
    }
    double chain = 0.0;
    for (int s : {kHead, kNeck, kChest, kAbdomen, kLeftLeg, kLeftLowerLeg, kLeftFoot}) {
        chain += scale[s].y * ReferenceDimensions(sex, s).y;
    }
    for (int s : kChain) {
        scale[s].y *= h / chain;
    }
    return scale;
}

double LmsValue(const CSources::Lms& lms, double z) {
    if (lms.l == 0.0) {
        return lms.m * std::exp(lms.s * z);
    }
    return lms.m * std::pow(1.0 + lms.l * lms.s * z, 1.0 / lms.l);
}

// Head circumference of boys (cm), estimated as a straight line from 50 cm at 3 years to 54 cm
// at 12 years; the adult reference head is the ANSUR 1988 male median.
double ChildHeadFactor(const CSources& src, int age) {
    const double circumference = 50.0 + (age - 3) * 4.0 / 9.0;
    return circumference / (AnsurValue(src, Sex::Male, "head_circumference", kMedianRow) / 10.0);
}

ScaleFile ChildFile(const CSources& src, int age, const char* name) {
    ScaleFile file;
    file.fileName = name;
    file.populationCode = 33 + age - 3;
    file.sex = Sex::Male;
    const CSources::Lms stature = src.Child(age, "male", "stature");
    const CSources::Lms weight = src.Child(age, "male", "weight");
    const double refChain = ReferenceChainStature(Sex::Male);
    const double refHead = ReferenceDimensions(Sex::Male, kHead).y;
    for (int r = 0; r < kSizeRows; ++r) {
        ScaleRow& row = file.rows[r];
        row.percentile = kRowPercentiles[r];
        row.stature = LmsValue(stature, kRowZ[r]);
        row.weight = LmsValue(weight, kRowZ[r]);
        const double head =
            ChildHeadFactor(src, age) * AnsurRatio(src, Sex::Male, "head_circumference", r);
        const double body = (row.stature - head * refHead) / (refChain - refHead);
        const double breadth = BreadthFactor(Sex::Male, row.stature, row.weight);
        for (int s = 0; s < kMainSegmentCount; ++s) {
            row.scale[s] = s == kHead ? Vec3{head, head, head} : Vec3{breadth, body, breadth};
        }
    }
    file.provenance = "stature and weight from the CDC 2000 LMS parameters of boys aged " +
                      std::to_string(age) +
                      " (sourced; 2.5 and 97.5 percentiles computed with Cole's LMS formula); "
                      "head size estimated; body lengths isometric, breadths by the "
                      "stature-weight relation (derived)";
    return file;
}

ScaleFile AdultFile(const CSources& src, const std::string& name, int code, Sex sex,
                    const Anchor& anchor) {
    ScaleFile file;
    file.fileName = name;
    file.populationCode = code;
    file.sex = sex;
    file.provenance = anchor.provenance;
    for (int r = 0; r < kSizeRows; ++r) {
        file.rows[r].percentile = kRowPercentiles[r];
        file.rows[r].stature = anchor.stature[r];
        file.rows[r].weight = anchor.weight[r];
        file.rows[r].scale = AdultScales(src, sex, anchor, r);
    }
    return file;
}

} // namespace

std::vector<ScaleFile> BuildScaleFiles(const CSources& src) {
    std::vector<ScaleFile> files;
    for (Sex sex : {Sex::Male, Sex::Female}) {
        const std::string suffix = sex == Sex::Male ? "2.dat" : "3.dat";
        files.push_back(AdultFile(src, "usa" + suffix, 1, sex, UsaAnchor(src, sex)));
        files.push_back(AdultFile(src, "british" + suffix, 2, sex,
                                  TableAnchor(src, "Britain_19-65_CityU", "UnitedKingdom", sex)));
        files.push_back(
            AdultFile(src, "germany" + suffix, 3, sex, NationalMeanAnchor(src, "Germany", sex)));
        files.push_back(
            AdultFile(src, "france" + suffix, 4, sex, NationalMeanAnchor(src, "France", sex)));
        files.push_back(
            AdultFile(src, "poland" + suffix, 6, sex, NationalMeanAnchor(src, "Poland", sex)));
        files.push_back(
            AdultFile(src, "indian" + suffix, 8, sex, NationalMeanAnchor(src, "India", sex)));
        files.push_back(
            AdultFile(src, "swiss" + suffix, 9, sex, NationalMeanAnchor(src, "Switzerland", sex)));
        files.push_back(AdultFile(src, "japan" + suffix, 10, sex,
                                  TableAnchor(src, "Japan_adults_CityU", "Japan", sex)));
        files.push_back(AdultFile(src, "schina" + suffix, 11, sex,
                                  TableAnchor(src, "HongKong_CityU", "China", sex)));
        files.push_back(AdultFile(src, "neurope" + suffix, 12, sex, NorthEuropeAnchor(src, sex)));
        files.push_back(AdultFile(src, "nasa" + suffix, 13, sex, NasaAnchor(src, sex)));
    }
    const char* childNames[10] = {"mch2_35.dat",  "mch35_45.dat", "mch45_55.dat", "mch55_65.dat",
                                  "mch65_75.dat", "mch75_85.dat", "mch85_95.dat", "mch95105.dat",
                                  "mc105115.dat", "mc115125.dat"};
    for (int age = 3; age <= 12; ++age) {
        files.push_back(ChildFile(src, age, childNames[age - 3]));
    }
    return files;
}

std::string ScaleFileText(const ScaleFile& file) {
    std::string text;
    for (int r = 0; r < kSizeRows; ++r) {
        const ScaleRow& row = file.rows[r];
        text += Fixed(row.percentile, 1) + " " + std::to_string(file.populationCode) + " " +
                std::to_string(static_cast<int>(file.sex)) + " " + std::to_string(r) + " " +
                Fixed(row.stature, 2) + " " + Fixed(row.weight, 2) + "\n";
        for (int s = 0; s < kMainSegmentCount; ++s) {
            text += std::to_string(s) + " " + Fixed(row.scale[s].x, 5) + " " +
                    Fixed(row.scale[s].y, 5) + " " + Fixed(row.scale[s].z, 5) + "\n";
        }
    }
    return text;
}
