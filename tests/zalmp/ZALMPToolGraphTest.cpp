// zalmp graph: DOT text, an SVG or PNG drawing, or no file for an unknown ending.

#include "ZALMPToolRunner.h"

namespace {

TEST_F(ZalmpTool, GraphWritesDotOrDrawsByTheEndingOfItsOutput)
{
  ASSERT_EQ(0, Zalmp("demo").exit);
  const ZalmpOutcome shown = Zalmp("graph demo.xml");
  ASSERT_EQ(0, shown.exit) << shown.err;
  EXPECT_EQ(0u, shown.out.find("graph model {\n")) << shown.out;

  ASSERT_EQ(0, Zalmp("graph demo.xml -o demo.gv").exit);
  EXPECT_EQ(shown.out, Content("demo.gv"));

  const ZalmpOutcome svg = Zalmp("graph demo.xml -o demo.svg");
  ASSERT_EQ(0, svg.exit) << svg.err;
  const std::string drawing = Content("demo.svg");
  for (const char* body : {">Ground<", ">Crank<", ">Coupler<", ">Rocker<", ">Revolute<", ">CouplerPush<"})
    EXPECT_NE(std::string::npos, drawing.find(body)) << body;

  ASSERT_EQ(0, Zalmp("graph demo.xml -o demo.png").exit);
  EXPECT_EQ(0u, Content("demo.png").find("\x89PNG\r\n\x1a\n")) << "the PNG signature";

  const ZalmpOutcome unknown = Zalmp("graph demo.xml -o demo.jpg");
  EXPECT_EQ(2, unknown.exit);
  EXPECT_NE(std::string::npos, unknown.err.find(".svg, .png, .dot or .gv")) << unknown.err;
  EXPECT_FALSE(Exists("demo.jpg"));
}

}  // namespace
