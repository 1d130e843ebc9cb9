// Cases that need a Japanese system take their fixture through
// OnAJapaneseSystem<Fixture>, whose name ends in OnAJapaneseSystem: the tests
// run them only in the program registered under the code page 932 locale,
// and there they fail at once, saying why, when that locale did not take
// effect, rather than pass without having run.
#pragma once

#include "temp_folder_win32.h"

#include <gtest/gtest.h>

#include <string>

template <typename Fixture>
class OnAJapaneseSystem : public Fixture {
  protected:
    void SetUp() override {
        Fixture::SetUp();
        const std::string why = WhyNoJapaneseFileNames(this->folder);
        ASSERT_TRUE(why.empty()) << why;
    }
};
