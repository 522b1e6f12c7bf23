#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "window/App.h"

namespace yunuri {

// The platform for programs that run the panel without a desktop (tests, benchmarks, tools): there is never
// another copy, no dialog opens and nothing ends; each request is recorded instead, so a test can ask what
// the panel wanted.
class FakeApp : public App {
 public:
  bool prevInstance = false;
  std::vector<std::string> calls;

  bool PrevInstance() override {
    calls.emplace_back("PrevInstance");
    return prevInstance;
  }
  void MsgBoxCritical(std::string_view text, std::string_view title) override {
    calls.push_back("MsgBox:" + std::string(title) + ":" + std::string(text));
  }
  void End() override { calls.emplace_back("End"); }
};

}  // namespace yunuri
