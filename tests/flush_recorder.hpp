// An output buffer that records what each flush brought to the screen.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

class FlushRecorder : public std::stringbuf {
  public:
    // The text each flush delivered, in order.
    std::vector<std::string> flushes;

    // Everything delivered so far; text written but not yet flushed is not shown.
    std::string shown() const {
        std::string all;
        for (const std::string& chunk : flushes) {
            all += chunk;
        }
        return all;
    }

  protected:
    int sync() override {
        const std::string written = str();
        flushes.push_back(written.substr(delivered_));
        delivered_ = written.size();
        return 0;
    }

  private:
    std::size_t delivered_ = 0;
};

}  // namespace testing_support
