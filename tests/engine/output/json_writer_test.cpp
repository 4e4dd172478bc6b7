// The results file's JSON writer: layout, escaping, numbers and pieces.
#include "output/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace bormek {
namespace {

struct Collected {
  std::string text;
  int pieces = 0;
};

JsonWriter::Sink into(Collected& collected) {
  return [&collected](std::string_view piece) {
    collected.text += piece;
    ++collected.pieces;
  };
}

TEST(JsonWriter, BlocksIndentAndOneLineContainersStayOnTheirLine) {
  Collected out;
  JsonWriter json(into(out));
  json.beginObject();
  json.key("format_version");
  json.integer(1);
  json.key("status");
  json.beginObject(true);
  json.key("code");
  json.integer(5);
  json.key("notes");
  json.beginArray();  // inside a one-line object: one line too
  json.text("a");
  json.endArray();
  json.endObject();
  json.key("rows");
  json.beginObject();
  json.key("length");
  json.numberArray(std::vector<float>{6.0f, 7.5f});
  json.key("empty");
  json.numberArray({});
  json.endObject();
  json.key("none");
  json.beginArray();
  json.endArray();
  json.key("flag");
  json.boolean(false);
  json.key("missing");
  json.null();
  json.endObject();
  EXPECT_EQ(out.text,
            "{\n"
            "  \"format_version\": 1,\n"
            "  \"status\": {\"code\": 5, \"notes\": [\"a\"]},\n"
            "  \"rows\": {\n"
            "    \"length\": [6, 7.5],\n"
            "    \"empty\": []\n"
            "  },\n"
            "  \"none\": [],\n"
            "  \"flag\": false,\n"
            "  \"missing\": null\n"
            "}\n");
  EXPECT_EQ(out.pieces, 1);
}

// Members written apart, by a writer made for their place, sit in the
// object as if written in place: separators, line breaks and indents.
TEST(JsonWriter, MembersWrittenApartFitTheirPlace) {
  Collected out;
  JsonWriter json(into(out));
  json.beginObject();
  json.key("diameters");
  json.beginArray();
  for (int k = 0; k < 2; ++k) {
    Collected rest;
    JsonWriter later(into(rest), 3);
    later.key("rows");
    later.beginArray();
    later.numberArray(std::vector<float>{1.5f});
    later.endArray();
    later.flush();
    json.beginObject();
    json.key("k");
    json.integer(k);
    json.key("best");
    json.boolean(k == 1);
    json.members(rest.text);
    json.endObject();
  }
  json.endArray();
  json.endObject();
  EXPECT_EQ(out.text,
            "{\n"
            "  \"diameters\": [\n"
            "    {\n"
            "      \"k\": 0,\n"
            "      \"best\": false,\n"
            "      \"rows\": [\n"
            "        [1.5]\n"
            "      ]\n"
            "    },\n"
            "    {\n"
            "      \"k\": 1,\n"
            "      \"best\": true,\n"
            "      \"rows\": [\n"
            "        [1.5]\n"
            "      ]\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(JsonWriter, TextIsEscapedAndAlwaysValidUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain", "\"plain\""},
      {"say \"no\" \\ here", "\"say \\\"no\\\" \\\\ here\""},
      {"tab\there\n", "\"tab\\u0009here\\u000a\""},
      {"20 \xC2\xB0 and 3 m\xC2\xB3", "\"20 \xC2\xB0 and 3 m\xC2\xB3\""},  // UTF-8 kept
      {"20 \xB0", "\"20 \xC2\xB0\""},                    // a Latin-1 byte becomes UTF-8
      {"\xC0\xAF", "\"\xC3\x80\xC2\xAF\""},              // an overlong form is two bytes
      {"\xE2\x82", "\"\xC3\xA2\xC2\x82\""},              // a cut sequence likewise
      {"\xED\xA0\x80", "\"\xC3\xAD\xC2\xA0\xC2\x80\""},  // a surrogate likewise
  };
  for (const auto& [text, expected] : cases) {
    Collected out;
    JsonWriter json(into(out));
    json.beginArray(true);
    json.text(text);
    json.endArray();
    EXPECT_EQ(out.text, "[" + expected + "]\n") << text;
  }
}

TEST(JsonWriter, NumbersAreShortestAndNonFiniteValuesAreNull) {
  Collected out;
  JsonWriter json(into(out));
  json.beginArray(true);
  for (const float value : {0.1f, 10.180079f, 1e10f, -0.0f, std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()}) {
    json.number(value);
  }
  json.integer(-9);
  json.endArray();
  EXPECT_EQ(out.text, "[0.1, 10.180079, 1e+10, -0, null, null, -9]\n");
}

TEST(JsonWriter, ALongDocumentReachesTheSinkInPieces) {
  constexpr std::size_t kValues = 40000;  // about 200 kB of text
  Collected out;
  JsonWriter json(into(out));
  json.beginArray(true);
  json.numberArray(std::vector<float>(kValues, 0.125f));
  json.numberArray(std::vector<float>(kValues, 0.25f));
  json.endArray();
  EXPECT_GT(out.pieces, 2);
  std::string expected = "[[0.125";
  for (std::size_t k = 1; k < kValues; ++k) {
    expected += ", 0.125";
  }
  expected += "], [0.25";
  for (std::size_t k = 1; k < kValues; ++k) {
    expected += ", 0.25";
  }
  EXPECT_EQ(out.text, expected + "]]\n");
}

}  // namespace
}  // namespace bormek
