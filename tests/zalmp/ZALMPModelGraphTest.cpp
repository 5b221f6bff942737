// The graph of the demo mechanism: a node per body, an edge per joint, and a
// dashed edge per connector and actuator between the bodies they act on.

#include "ZALMPDemoMechanism.h"
#include "ZALMPModelGraph.h"
#include "ZALMPToolText.h"

#include <ZALMPBody.h>
#include <ZALMPJoint.h>
#include <ZALMPWorld.h>

#include <RVLBasicWorld.h>

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <tuple>

namespace {

// A DOT quoted string's text, escapes undone.
std::string Unescaped(const std::string& quoted)
{
  std::string text;
  for (std::size_t i = 0; i < quoted.size(); ++i)
    text += quoted[i] == '\\' && i + 1 < quoted.size() ? (quoted[++i] == 'n' ? '\n' : quoted[i]) : quoted[i];
  return text;
}

// An edge as its two end bodies' labels, its own label and whether it is dashed.
using Edge = std::tuple<std::string, std::string, std::string, bool>;

// The node labels and edges of the graph text, read line by line.
struct ParsedGraph {
  std::map<std::string, std::string> labels;  // node id -> label
  std::multiset<std::string> nodes;           // their labels
  std::multiset<Edge> edges;

  explicit ParsedGraph(const std::string& dot)
  {
    const std::string quoted = R"re("((?:[^"\\]|\\.)*)")re";
    const std::regex node("  (body[0-9]+) \\[label=" + quoted + ".*\\];");
    const std::regex edge("  (body[0-9]+) -- (body[0-9]+) \\[label=" + quoted +
                          "(, style=dashed, constraint=false)?\\];");
    std::istringstream lines(dot);
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
      if (std::regex_match(line, match, edge))
        edges.emplace(labels.at(match[1]), labels.at(match[2]), Unescaped(match[3]), match[4].matched);
      else if (std::regex_match(line, match, node))
        nodes.insert(labels[match[1]] = Unescaped(match[2]));
    }
  }
};

std::string Name(const ZALMPEntity& entity)
{
  return ZALMPToolText::Narrow(entity.getEntityName());
}

TEST(ModelGraph, DemoBodiesAreNodesAndWhatActsBetweenThemAreEdges)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"Demo");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  ASSERT_EQ(S_OK, ZALMPDemoMechanism::Build(world));
  // A name that DOT must escape, and one outside ASCII.
  ASSERT_EQ(S_OK, world->Add<ZALMPBody>(ZALMPBody::create(L"Say \"hi\\\" \u03a9")));
  const std::string dot = ZALMPModelGraph::Dot(*world);
  const ParsedGraph graph(dot);
  EXPECT_NE(std::string::npos, dot.find(R"(label="Say \"hi\\\" Ω")")) << dot;

  RVLSharedHandle<ZALMPBody> global;
  world->GetGlobalBody(global);
  std::set<std::string> bodies;
  for (int i = 0; i < world->Count<ZALMPBody>(); ++i) {
    RVLSharedHandle<ZALMPBody> body;
    world->Get<ZALMPBody>(i, body);
    bodies.insert(Name(*body) + (body == global ? "\n(global)" : ""));
  }
  EXPECT_EQ(std::multiset<std::string>(bodies.begin(), bodies.end()), graph.nodes) << "one node per body";

  // Each joint and connector between the bodies it names itself.
  std::multiset<Edge> expected;
  for (int i = 0; i < world->Count<ZALMPJoint>(); ++i) {
    RVLSharedHandle<ZALMPJoint> joint;
    RVLSharedHandle<ZALMPBody> out, in;
    world->Get<ZALMPJoint>(i, joint);
    if (joint->GetLinkedBody(0, out) == S_OK && joint->GetLinkedBody(1, in) == S_OK)
      expected.emplace(Name(*out), Name(*in), std::string(joint->getClassName()).substr(5), false);
  }
  // The spring pulls the rocker to the ground, the motor turns the crank in
  // its bearing, the push loops on the one body it pushes.
  expected.emplace("Rocker", "Ground", "LinearSpring\nRockerSpring", true);
  expected.emplace("Ground", "Crank", "Motor\nCrankMotor", true);
  expected.emplace("Coupler", "Coupler", "SpatialForceActuator\nCouplerPush", true);
  EXPECT_EQ(expected, graph.edges) << dot;
  EXPECT_EQ(1u, graph.edges.count({"Ground", "Crank", "Revolute", false})) << dot;
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
}

}  // namespace
