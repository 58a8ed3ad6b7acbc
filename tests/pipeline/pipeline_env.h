// Shared by the pipeline tests: every stage emptied and the store at its
// defaults around each test, "now" pinned, and satellites made to order.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdint>
#include <string>

#include "TempDir.h"

struct object_t;

constexpr int64_t kSept7 = 63924336000000000LL;  // 2026-09-07 00:00 UTC

class PipelineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Points the store's object list at a list naming these element sets
    // (three-line text) and builds the satellites in every stage.
    void load_objects(const std::string& elements);
    // The satellite list's object with this catalogue number, selected.
    object_t* select(unsigned catnum);
    // Every item built anew in every stage and fitted into r, as at start-up.
    void start(SDL_Rect r);

    TempDir dir{"ov_pipeline"};
};

// A three-line ISS set with the given mean motion (rev/day) and checksums.
std::string iss_set(const char* name, const char* catField, const char* meanMotion = "15.49006161");
// The stations file of the shared test data.
std::string stations_path();
