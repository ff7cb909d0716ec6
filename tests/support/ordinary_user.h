#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <iostream>

namespace tavelor::testing {

// Runs body with the rights of an ordinary user. Root writes files whatever their modes say, so
// as root body runs in a child process as "nobody"; its failures are reported by the parent.
inline void asOrdinaryUser(const std::function<void()>& body) {
  if (::geteuid() != 0) return body();
  constexpr uid_t kNobody = 65534;
  EXPECT_EXIT(
      {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) std::_Exit(2);
        ::testing::TestPartResultArray failures;
        {
          const ::testing::ScopedFakeTestPartResultReporter reporter(&failures);
          body();
        }
        for (int i = 0; i < failures.size(); ++i) std::cerr << failures.GetTestPartResult(i);
        std::_Exit(failures.size() == 0 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace tavelor::testing
