#pragma once

#include "Shared/Data/WeatherProvider/Environment.h"

#include "kit/foundation/Date.h"
#include "kit/foundation/JsonCoding.h"
#include "support/FakeHttpServer.h"

#include <string>

namespace zavel::test {

// 2025-06-10 12:00 UTC (13:00 in London, a Tuesday): the moment the forecast tests run at.
kit::foundation::Date forecastMoment();

// The answer the forecast service gives for London at that moment: seven days from Tuesday
// 10 June (highs 20 to 26), and 48 hours from that day's midnight in London, where row r has a
// rain probability of r and a visibility of 1000·r metres.
kit::foundation::Json forecastAnswer();

// `count` hourly times from `first` in the zone, as the service writes them ("2025-06-10T00:00").
kit::foundation::Json hourlyTimes(kit::foundation::Date first, int count, const std::string &zone);

// A suite in `home`, a clock fixed at `now`, and both services at `server`.
WeatherProvider::Environment serviceEnvironment(const testsupport::FakeHttpServer &server,
                                                const std::filesystem::path &home,
                                                kit::foundation::Date now = forecastMoment());

// What the geocoding service answers to "Lisbon": a place with a country code and one without.
inline const char *const lisbonSearchAnswer = R"({"results":[
    {"name":"Lisbon","latitude":38.7223,"longitude":-9.1393,"country_code":"PT"},
    {"name":"Lisbon","latitude":44.1,"longitude":-70.1}]})";

// Where no service answers.
inline const char *const unreachableAddress = "http://127.0.0.1:1";

} // namespace zavel::test
