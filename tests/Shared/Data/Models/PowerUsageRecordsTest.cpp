#include "Shared/Data/Models/PowerSnapshot.h"

#include "support/RecordForm.h"

#include <gtest/gtest.h>

using namespace kit::foundation;
using namespace zavel;

TEST(PowerUsageRecords, JsonFormsAsTheHostWritesThem) {
  test::expectJsonForm<PowerSnapshot>(
      R"({"percent":68,"isCharging":false,"remaining":"2H 40M",
          "devices":[{"name":"MacBook","percent":68},{"name":"Mouse","percent":12}],
          "log":[{"time":760521600,"message":"Fully charged at 100%","isCurrent":false},
                 {"time":760550000.25,"message":"68% · 2H 40M remaining","isCurrent":true}]})",
      {68,
       false,
       "2H 40M",
       {{"MacBook", 68}, {"Mouse", 12}},
       {{Date{760521600}, "Fully charged at 100%", false},
        {Date{760550000.25}, "68% · 2H 40M remaining", true}}},
      {"remaining"});
}
