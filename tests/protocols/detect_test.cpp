// Registering an external engine: its protocol and name found by asking it.
#include <gtest/gtest.h>
#include <unistd.h>

#include "EngineDetect.h"

using namespace reversi::engines;

TEST(DetectEngine, FindsGtpAndNboardEnginesAndTheirNames) {
  const std::string engine = VZ_ENGINE;
  const TDetection gtp = DetectEngine(engine + " --gtp --engine levels");
  ASSERT_TRUE(gtp.Ok) << gtp.Error;
  EXPECT_EQ(gtp.Protocol, TProtocol::Gtp);
  EXPECT_FALSE(gtp.Name.empty());

  const TDetection nboard = DetectEngine(engine + " --engine levels");
  ASSERT_TRUE(nboard.Ok) << nboard.Error;
  EXPECT_EQ(nboard.Protocol, TProtocol::Nboard);
  EXPECT_EQ(EngineSpec(nboard.Protocol, "x y"), "nboard:x y");
}

TEST(DetectEngine, GRhinoIsGtp) {
  if (access("/usr/games/gtp-rhino", X_OK) != 0) GTEST_SKIP() << "grhino is not installed";
  const TDetection found = DetectEngine("/usr/games/gtp-rhino -l 1");
  ASSERT_TRUE(found.Ok) << found.Error;
  EXPECT_EQ(found.Protocol, TProtocol::Gtp);
  EXPECT_NE(found.Name.find("GRhino"), std::string::npos) << found.Name;
}

TEST(DetectEngine, SilentMissingAndDyingEnginesAreRefusedWithAReason) {
  for (const char* command : {"sleep 30", "/nonexistent/engine", "sh -c 'exit 3'", "cat", ""}) {
    const TDetection found = DetectEngine(command, 300);
    EXPECT_FALSE(found.Ok) << command;
    EXPECT_FALSE(found.Error.empty()) << command;
  }
}
