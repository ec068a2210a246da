#include "Internal/Model/DetectDistance.h"
#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using P = ObstaclePosition;
using D = ObstacleDistance;

TEST(DecodedRecordsTest, DistanceCodesReadAsObstacleDistances)
{
    const std::vector<std::pair<int64_t, ObstacleDistance>> table = {
        {0, D::NONE},  {1, D::NONE},   {2, D::MOST_SHORT}, {3, D::SHORT}, {4, D::MIDDLE},
        {5, D::LONG},  {6, D::MOST_LONG}, {7, D::NONE},    {8, D::NONE},  {-1, D::NONE},
        {0x102, D::NONE},
    };
    for (const auto& [code, distance] : table)
        EXPECT_EQ(obstacleDetectionPositionDistance(code), distance) << code;
}

TEST(DecodedRecordsTest, DefaultRecordsReportEveryPositionAsClear)
{
    const auto front = MekDetect().obstacleDistance();
    EXPECT_EQ(front, (std::map<P, D>{{P::FRONT_LEFT, D::NONE}, {P::FRONT_RIGHT, D::NONE}, {P::REAR_LEFT, D::NONE},
                                     {P::REAR_RIGHT, D::NONE}, {P::FRONT_LEFT_CENTER, D::NONE},
                                     {P::FRONT_RIGHT_CENTER, D::NONE}, {P::REAR_LEFT_CENTER, D::NONE},
                                     {P::REAR_RIGHT_CENTER, D::NONE}}));
    const MekInfo info;
    EXPECT_EQ(info.obstacleDistance(), (std::map<P, D>{{P::FRONT_LEFT_SIDE, D::NONE}, {P::FRONT_RIGHT_SIDE, D::NONE},
                                                       {P::REAR_LEFT_SIDE, D::NONE}, {P::REAR_RIGHT_SIDE, D::NONE}}));
    EXPECT_TRUE(info.movesPosition().empty());
    EXPECT_EQ(MekVerification().IDTDSPID, BtIdtDspId::none);
    EXPECT_EQ(MekVerification().IDTBTRQ, std::nullopt);
    EXPECT_EQ(MekAbnormal().DCUIDTER, 0);
    EXPECT_EQ(MekAbnormal().DCUCSRER, 0);
}

TEST(DecodedRecordsTest, EachSensorFieldFeedsItsOwnPosition)
{
    // Distinct codes per field show that no two positions read the same field; warnings are ignored.
    const MekDetect detect{.FR_POS = 3, .FL_POS = 2, .FR_WRN = 3, .FRC_POS = 5, .FLC_POS = 6, .FL_WRN = 3,
                           .RR_POS = 7, .RL_POS = 4, .FRC_WRN = 3, .RRC_POS = 1, .RLC_POS = 2, .FLC_WRN = 3,
                           .RR_WRN = 3, .RL_WRN = 3, .RRC_WRN = 3, .RLC_WRN = 3};
    EXPECT_EQ(detect.obstacleDistance(),
              (std::map<P, D>{{P::FRONT_LEFT, D::MOST_SHORT}, {P::FRONT_LEFT_CENTER, D::MOST_LONG},
                              {P::FRONT_RIGHT, D::SHORT}, {P::FRONT_RIGHT_CENTER, D::LONG},
                              {P::REAR_LEFT, D::MIDDLE}, {P::REAR_LEFT_CENTER, D::MOST_SHORT},
                              {P::REAR_RIGHT, D::NONE}, {P::REAR_RIGHT_CENTER, D::NONE}}));

    const MekInfo info{.FRS_POS = 2, .FLS_POS = 3, .FRS_WRN = 3, .RRS_POS = 4, .RLS_POS = 5,
                       .FLS_WRN = 3, .RRS_WRN = 3, .RLS_WRN = 3};
    EXPECT_EQ(info.obstacleDistance(), (std::map<P, D>{{P::FRONT_LEFT_SIDE, D::SHORT}, {P::FRONT_RIGHT_SIDE, D::MOST_SHORT},
                                                       {P::REAR_LEFT_SIDE, D::LONG}, {P::REAR_RIGHT_SIDE, D::MIDDLE}}));
}

TEST(DecodedRecordsTest, MovingObjectsAreListedInDetectorOrderWhenOn)
{
    using M = MovesPosition;
    EXPECT_EQ((MekInfo{.MV_FL = 1, .MV_FC = 1}).movesPosition(), (std::vector<M>{M::FRONT_LEFT, M::FRONT_CENTER}));
    EXPECT_EQ((MekInfo{.MV_RL = 2}).movesPosition(), std::vector<M>{});
    EXPECT_EQ((MekInfo{.MV_FR = 3, .MV_RR = 0}).movesPosition(), std::vector<M>{});
    const MekInfo allOn{.MV_FL = 1, .MV_FR = 1, .MV_RL = 1, .MV_RR = 1, .MV_FLS = 1, .MV_FRS = 1,
                        .MV_RLS = 1, .MV_RRS = 1, .MV_FC = 1, .MV_RC = 1};
    EXPECT_EQ(allOn.movesPosition(),
              (std::vector<M>{M::FRONT_LEFT, M::FRONT_RIGHT, M::REAR_LEFT, M::REAR_RIGHT, M::FRONT_LEFT_SIDE,
                              M::FRONT_RIGHT_SIDE, M::REAR_LEFT_SIDE, M::REAR_RIGHT_SIDE, M::FRONT_CENTER,
                              M::REAR_CENTER}));
}

} // namespace
