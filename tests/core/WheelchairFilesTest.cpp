#include "core/DataDirectory.h"
#include "core/ObjectList.h"
#include "document/SceneFileReader.h"
#include "document/TavroDoc.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct ReadScene {
    CObjectList list;
    ~ReadScene() { DeleteTopLevelObjects(list); }
};

// A group member's own geometry in the scene.
BoundingBox WorldBounds(const CSceneObject& member) {
    BoundingBox box;
    member.ExtendBounds(box, member.parent->transform * member.transform);
    return box;
}

// The six seated figures in wheelchairs of the data directory: the figure of the file's sex and
// size sits on a 50 cm seat of a chair with 61 cm wheels standing on the floor.
TEST(WheelchairFiles, SeatedFigureOfTheRightSizeOnAFittedChair) {
    RecordingReporter reporter;
    for (int gender : {0, 1})
        for (int percentile : {1, 2, 3}) {
            const std::string name = CTavroDoc::WheelchairFileName(percentile, gender);
            SCOPED_TRACE(name);
            ReadScene scene;
            ASSERT_EQ(ReadSceneFile(DataPath(name), scene.list, {&reporter, nullptr, nullptr}), 1);
            CMannequin* figure = nullptr;
            CSceneObject* chair = nullptr;
            for (CSceneObject* o : scene.list) {
                if (o->type == kTypeMannequin)
                    figure = static_cast<CMannequin*>(o);
                if (o->type == kTypeGroup && !o->parent)
                    chair = o;
            }
            ASSERT_NE(figure, nullptr);
            ASSERT_NE(chair, nullptr);
            EXPECT_TRUE(reporter.messages.empty());
            EXPECT_EQ(figure->anthropometry.gender, gender);
            EXPECT_EQ(figure->anthropometry.sizeRow, percentile);
            EXPECT_EQ(figure->anthropometry.population, 1);
            // Facing front, unturned: the loader turns it to the chosen facing.
            EXPECT_EQ(RotationPart(figure->transform), Matrix4(true));

            int wheels = 0;
            double seatTop = 0.0, lowest = 1e9;
            for (CSceneObject* part : chair->children) {
                const BoundingBox box = WorldBounds(*part);
                lowest = std::min(lowest, box.min.y);
                if (std::strcmp(part->name, "Wheel") == 0) {
                    ++wheels;
                    EXPECT_NEAR((box.max.y - box.min.y) * 2.54, 61.0, 0.2);
                }
                if (std::strcmp(part->name, "Seat") == 0)
                    seatTop = box.max.y;
            }
            EXPECT_EQ(wheels, 2);
            EXPECT_NEAR(seatTop * 2.54, 50.0, 0.1);
            EXPECT_NEAR(lowest, 0.0, 0.01); // wheels and casters stand on the floor
            // The buttocks rest on the seat.
            double thighLow = 1e9;
            for (int leg : {kAbdomen, kLeftLeg, kRightLeg})
                for (const Vec3& v : figure->GetSegment(leg)->worldVertices)
                    thighLow = std::min(thighLow, v.y);
            EXPECT_NEAR(thighLow, seatTop, 0.05);
        }
}

} // namespace
