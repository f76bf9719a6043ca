// The committed US figures measured as the 1988 US Army survey measured its soldiers, against
// the survey's own percentiles: the 5th, 50th and 95th percentile man and woman, standing and
// seated, each measure within its target.
#include "SurveyMeasures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

TEST(SurveyMeasures, FiguresMeasureLikeTheSurveyWithinTheirTargets) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    CSources sources;
    ASSERT_EQ(sources.Load(TAVRONA_DATAGEN_SOURCES), 1);
    const std::vector<SurveyMeasurement> measured = MeasureUsFigures(sources);
    ASSERT_EQ(measured.size(), 2u * 3u * 25u); // both sexes, three rows, 25 measures
    EXPECT_TRUE(sources.Missing().empty());
    // The survey's table read right: the median man's stature, 1755.5 mm (Gordon et al. 1989).
    EXPECT_EQ(measured[0].measure, "stature");
    EXPECT_NEAR(measured[25].survey, 175.55, 1e-9);
    for (const SurveyMeasurement& m : measured) {
        const char* sex = m.sex == Sex::Male ? "male" : "female";
        std::printf("%-6s p%-2d %-26s survey %6.1f figure %6.1f cm %+6.1f %%\n", sex, m.percentile,
                    m.measure.c_str(), m.survey, m.figure, 100.0 * m.Difference());
        if (m.checked) {
            EXPECT_LE(std::fabs(m.Difference()), m.tolerance)
                << sex << " p" << m.percentile << " " << m.measure << ": survey " << m.survey
                << " cm, figure " << m.figure << " cm";
        }
    }
}

} // namespace
