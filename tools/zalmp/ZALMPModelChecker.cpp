#include "ZALMPModelChecker.h"

#include <ZALMPEntityKinds.h>
#include "ZALMPToolText.h"

#include <ZALMPLinkTable.h>
#include <ZALMPWorld.h>
#include <ZALMPAxisSystem.h>
#include <ZALMPXml.h>

#include <cctype>
#include <map>
#include <set>
#include <string_view>

namespace {

// A link's item id in words: "ImpactedChildBody" -> "impacted child body";
// a dimension stays whole: "Body2D" -> "body 2D".
std::string LinkWords(std::wstring_view itemId)
{
  std::string words;
  bool afterDigit = false;
  for (const wchar_t c : itemId) {
    const auto narrow = static_cast<unsigned char>(c);
    const bool digit = std::isdigit(narrow) != 0;
    if (!words.empty() && ((digit && !afterDigit) || (std::isupper(narrow) && !afterDigit))) words += ' ';
    words += static_cast<char>(afterDigit ? narrow : std::tolower(narrow));
    afterDigit = digit;
  }
  return words;
}

// The entities filed in each registry of a world, and the links found leading elsewhere.
class LinkCheck {
public:
  LinkCheck(const ZALMPWorld& world, std::vector<std::string>& problems) : m_problems(problems)
  {
    ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
      const std::string_view name = ZALMPKindName<Kind>();
      std::set<const ZALMPEntity*>& filed = m_filed[name];
      for (int i = 0; i < world.Count<Kind>(); ++i) {
        RVLSharedHandle<Kind> entity;
        if (world.Get<Kind>(i, entity) == S_OK && entity) {
          filed.insert(entity.get());
          m_entities.push_back(entity);
        }
      }
    });
  }

  // Every link of every filed entity must lead to an entity filed under its kind.
  void CheckLinks()
  {
    for (const RVLSharedHandle<ZALMPEntity>& entity : m_entities) {
      const std::string owner = std::string(entity->getClassName()) + " " + ZALMPToolText::NameOf(entity.get());
      entity->GetLinkTable().ForEachLink([&](const ZALMPLink& link) {
        link.ForEachPartner(*entity, [&](const RVLSharedHandle<ZALMPEntity>& partner) {
          Expect(owner, LinkWords(link.ItemId()), partner.get());
        });
      });
    }
  }

  // `owner`'s link `what` must lead to an entity filed under the kind it is of.
  void Expect(const std::string& owner, const std::string& what, const ZALMPEntity* linked)
  {
    if (!linked) return;
    std::string_view kindName;
    ZALMPEntityKinds::ForEach([&]<class Kind>(std::type_identity<Kind>) {
      const std::string_view name = ZALMPKindName<Kind>();
      if (kindName.empty() && linked->isDerivedFrom(Kind::ClassInfo())) kindName = name;
    });
    if (kindName.empty() || m_filed[kindName].count(linked)) return;
    m_problems.push_back("dangling  " + owner + ": " + what + " " + ZALMPToolText::NameOf(linked) +
                         " is not filed in the " + std::string(kindName) + " registry");
  }

private:
  std::vector<std::string>& m_problems;
  std::map<std::string_view, std::set<const ZALMPEntity*>> m_filed;
  std::vector<RVLSharedHandle<ZALMPEntity>> m_entities;
};

}  // namespace

std::vector<std::string> ZALMPModelChecker::Problems(const ZALMPXmlModel& model)
{
  std::vector<std::string> problems;
  for (const ZALMPXmlWarning& warning : model.warnings)
    problems.push_back("warning   " + ZALMPToolText::Where(warning));
  if (!model.world) return problems;
  LinkCheck check(*model.world, problems);
  check.CheckLinks();
  RVLSharedHandle<ZALMPBody> body;
  RVLSharedHandle<ZALMPAxisSystem> axisSystem;
  RVLSharedHandle<ZALMPVariable> time;
  model.world->GetGlobalBody(body);
  model.world->GetGlobalAxisSystem(axisSystem);
  model.world->GetGlobalTime(time);
  check.Expect("World", "global body", body.get());
  check.Expect("World", "global axis system", axisSystem.get());
  check.Expect("World", "global time", time.get());
  return problems;
}
