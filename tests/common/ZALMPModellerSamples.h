#pragma once
#include <ZALMPCurve.h>

#include <ZALBaseUnknownRef.h>
#include <ZALCrvLimits.h>
#include <ZALCrvParam.h>
#include <ZALMathPoint.h>
#include <ZALMathVector.h>
#include <ZALTRVArc.h>
#include <ZALTRVCircularSpan.h>
#include <ZALTRVCurve.h>
#include <ZALTRVLine.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>
#include <string>

/// New limits from `low` to `high` made by `curve`, checked against its range
/// (invalid outside it).
inline std::unique_ptr<ZALCrvLimits> LimitsOf(const ZALTRVCurve& curve, double low, double high,
                                              int mode = ZALCrvLimits::kVerifyInRange)
{
  ZALCrvParam lowParam;
  ZALCrvParam highParam;
  curve.CreateParam(low, lowParam);
  curve.CreateParam(high, highParam);
  return std::make_unique<ZALCrvLimits>(lowParam, highParam, mode);
}

/// Appends to `curve` a segment of a line from `start`, (1, 2, -1) long, run
/// between 0 and 1 + seed/10, then a Negative quarter of a circle about
/// `start` of radius `seed`, between 0.25 and 1. The curve frees the limits.
inline void AddLineAndArc(ZALMPCurve& curve, const ZALMathPoint& start, double seed)
{
  const ZALBaseUnknownRef<ZALTRVLine> line = ZALTRVLine::Create(start, start + ZALMathVector(1.0, 2.0, -1.0));
  ZALTRVCircularSpan span;
  span.centre = start;
  span.radius = seed;
  span.endAngle = 1.5707963267948966;
  const ZALBaseUnknownRef<ZALTRVArc> arc = ZALTRVArc::Create(span);
  curve.DeleteCurveLimitsAtEnd(true);
  const auto add = [&curve](ZALTRVCurve* segment, ZALMPCurveOrientation::Enum orientation,
                            std::unique_ptr<ZALCrvLimits> limits) {
    if (SUCCEEDED(curve.AddCurve(segment, orientation, limits.get()))) limits.release();
  };
  add(line.get(), ZALMPCurveOrientation::Positive, LimitsOf(*line, 0.0, 1.0 + seed / 10));
  add(arc.get(), ZALMPCurveOrientation::Negative, LimitsOf(*arc, 0.25, 1.0));
}

/// `text` (an XML document) with the text of the first element `id` given to `change`.
inline std::string WithElementText(const std::string& text, const std::string& id,
                                   const std::function<std::string(std::string)>& change)
{
  std::smatch found;
  EXPECT_TRUE(std::regex_search(text, found, std::regex("(<" + id + "[^>]*>)([^<]*)<"))) << id << " in " << text;
  return found.prefix().str() + found[1].str() + change(found[2].str()) + "<" + found.suffix().str();
}
