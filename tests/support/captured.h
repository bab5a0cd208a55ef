// Captures what the engine writes to one of its output channels.
#pragma once

#include <cstdio>
#include <string>

#include "output/channel.h"

namespace tarvex_test {

// Holds the channel on a temporary file while it lives.
class Captured {
public:
    explicit Captured(tarvex::Channel& ch) : ch_(ch), f_(std::tmpfile()) { tarvex::Attach_Channel(ch_, f_); }
    ~Captured() {
        tarvex::Close_Channel(ch_);
        ch_ = tarvex::Channel{};
        std::fclose(f_);
    }
    std::string text() {
        tarvex::Close_Channel(ch_);
        std::fflush(f_);
        std::rewind(f_);
        std::string s;
        for (int c; (c = std::fgetc(f_)) != EOF;) s += char(c);
        return s;
    }

private:
    tarvex::Channel& ch_;
    std::FILE* f_;
};

}  // namespace tarvex_test
