#include "test_support/jack_test_server.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace test_support {
namespace {

using ::testing::HasSubstr;

class JackTestServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (auto reason = JackTestServer::unavailableReason()) GTEST_SKIP() << *reason;
  }
};

TEST_F(JackTestServerTest, TakesClientsUnderItsOwnNameAndKeepsWhatJackdPrinted) {
  JackTestServer server;
  EXPECT_STREQ(std::getenv("JACK_DEFAULT_SERVER"), server.name().c_str());
  jack_client_t* client = server.openClient("probe");
  ASSERT_NE(client, nullptr);
  EXPECT_EQ(jack_get_sample_rate(client), jack_nframes_t{JackTestServer::kSampleRate});
  EXPECT_EQ(jack_get_buffer_size(client), jack_nframes_t{JackTestServer::kPeriodFrames});
  jack_client_close(client);
  EXPECT_THAT(server.log(), HasSubstr("JACK server starting"));
}

TEST_F(JackTestServerTest, AClientTheServerRefusesIsReportedWithJacksStatusAndTheLog) {
  JackTestServer server;
  const std::string tooLong(static_cast<std::size_t>(jack_client_name_size()) + 10, 'x');
  try {
    server.openClient(tooLong);
    FAIL() << "a client name longer than JACK allows was taken";
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_THAT(message, HasSubstr("did not take the client"));
    EXPECT_THAT(message, HasSubstr("status Failure"));
    EXPECT_THAT(message, HasSubstr("jackd is still running"));
    EXPECT_THAT(message, HasSubstr("JACK server starting"));
  }
}

TEST_F(JackTestServerTest, StoppingTheServerEndsJackd) {
  std::string name;
  {
    JackTestServer server;
    name = server.name();
  }
  jack_status_t status{};
  jack_client_t* client = jack_client_open("late", JackNoStartServer, &status);
  EXPECT_EQ(client, nullptr) << "the server " << name << " still answers";
  if (client != nullptr) jack_client_close(client);
}

}  // namespace
}  // namespace test_support
