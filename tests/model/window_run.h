// One randomised run of a real window against the reference model, as the
// window tests of both toolkits make it: the seed and length from the
// environment, the run timed and summed up, a disagreement reported with its
// shortened sequence, and a long run checked for having gone through the
// window's behaviour.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

#include "tests/model/model_runner.h"

namespace chengxi::model {

inline void expectWindowAgreesWithModel(std::uint64_t defaultSeed, std::size_t defaultSteps,
                                        const SubjectFactory& makeSubject, ActionGenerator::Options options)
{
    std::string error;
    const auto settings = settingsFromEnvironment("CHENGXI_WINDOW_MODEL_SEED", "CHENGXI_WINDOW_MODEL_STEPS",
                                                  defaultSeed, defaultSteps, error);
    ASSERT_TRUE(settings.has_value()) << error;

    const auto started = std::chrono::steady_clock::now();
    const RunResult result = runRandomised(*settings, makeSubject, options, std::chrono::seconds(120));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "seed " << settings->seed << ": " << summary(result) << "; " << seconds << " s\n";

    ASSERT_FALSE(result.failure.has_value()) << *result.failure;
    EXPECT_EQ(result.steps, settings->steps);
    if (settings->steps >= 2000) {
        const Coverage& c = result.coverage;
        EXPECT_GT(c.provinceChanges, settings->steps / 100);
        EXPECT_GT(c.cityChanges, settings->steps / 50);
        EXPECT_GT(c.rowsFound, settings->steps / 100);
        EXPECT_GT(c.staleQueries, 0u);
    }
}

}  // namespace chengxi::model
