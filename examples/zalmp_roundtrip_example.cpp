// A host program end to end: it defines an entity kind of its own, builds a
// few entities in a model world, writes them into an element tree, saves the
// tree as XML, reads the file back into fresh entities made by class name,
// and prints what it read.
//
//   zalmp_roundtrip_example [FILE]      (default: demo.xml)

#include <ZALMPEntity.h>
#include <ZALMPFactory.h>
#include <ZALMPSerializationServices.h>
#include <ZALMPWorld.h>
#include <ZALMPXmlCodec.h>

#include <RVLBasicWorld.h>
#include <ZALUnicodeString.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

// A host's own entity: a link of a mechanism with a length.
class ZALMPExampleLink : public ZALMPEntity {
  ZALMP_DECLARE_CLASS(ZALMPExampleLink, ZALMPEntity);
  ZALMP_DECLARE_CONCRETE(ZALMPExampleLink);

public:
  double length = 0.0;

  HRESULT Serialize(ZALMPSerializer* parent) const override
  {
    ZALMPSerializer* own = nullptr;
    if (!parent || FAILED(parent->AddElement(L"ExampleLink", own))) return E_FAIL;
    ZALMPEntity::Serialize(own);
    ZALMPSerializer* child = nullptr;
    return own->AddElement(L"Length", child, length);
  }

  HRESULT Deserialize(const ZALMPDeserializer* parent, const ZALMPIdentifierMap& ids) override
  {
    ZALMPDeserializer* own = nullptr;
    if (!parent || FAILED(parent->GetElement(L"ExampleLink", own)) || !own) return E_FAIL;
    ZALMPEntity::Deserialize(own, ids);
    ZALMPDeserializer* child = nullptr;
    return own->GetElement(L"Length", child, length);
  }

protected:
  ZALMPExampleLink() = default;
  ZALMPExampleLink(const ZALMPExampleLink& source) : ZALMPEntity(source), length(source.length) {}
};

ZALMP_DEFINE_CLASS_WITH_ID(ZALMPExampleLink, ZALMPEntity, "6A0B5D3E-2F41-4C8A-9E77-0D1C2B3A4F50", nullptr);
// The reader maps each stored element id to a class name with the library's
// prefix (ZALMPSerializationServices::to_type), so the kind registers under it.
ZALMP_REGISTER_CLASS_AS(ZALMPExampleLink, "ZALMPExampleLink");

std::string Narrow(const std::wstring& text)
{
  return ZALUnicodeString(text).ConvertToChar();
}

RVLSharedHandle<ZALMPExampleLink> MakeLink(const RVLSharedHandle<RVLBasicWorld>& host, const wchar_t* name,
                                           double length)
{
  RVLSharedHandle<ZALMPExampleLink> link = ZALMPExampleLink::create(name);
  link->length = length;
  host->addLogicalChild(link);
  return link;
}

int Save(const std::string& path)
{
  RVLSharedHandle<RVLBasicWorld> host = RVLBasicWorld::create(L"BasicWorld");
  RVLSharedHandle<ZALMPWorld> world = ZALMPWorld::create(host);
  const RVLSharedHandle<ZALMPExampleLink> ground = MakeLink(host, L"Ground", 0.0);
  const RVLSharedHandle<ZALMPExampleLink> crank = MakeLink(host, L"Crank", 0.12);
  const RVLSharedHandle<ZALMPExampleLink> rod = MakeLink(host, L"Rod \u00e9l\u00e8ve", 0.45);
  rod->AddAggregatedElement(crank);
  crank->Deactivate();

  ZALMPXmlWriter root;
  ZALMPSerializer* links = nullptr;
  root.AddElement(L"Links", links);
  for (const auto& link : {ground, crank, rod}) link->Serialize(links);

  const ZALMPXmlResult saved = ZALMPXmlCodec::Save(root, path);
  ZALMPWorld::destroy(world);
  RVLBasicWorld::destroy(host);
  if (!saved) {
    std::cerr << "cannot save " << path << ": " << saved.message << "\n";
    return 1;
  }
  std::cout << "saved 3 links to " << path << "\n";
  return 0;
}

int Load(const std::string& path)
{
  std::unique_ptr<ZALMPXmlReader> root;
  const ZALMPXmlResult loaded = ZALMPXmlCodec::Load(path, root);
  if (!loaded) {
    std::cerr << path << ":" << loaded.line << ":" << loaded.column << ": " << loaded.message << "\n";
    return 1;
  }
  ZALMPDeserializer* links = nullptr;
  root->GetElement(L"Links", links);
  if (!links) {
    std::cerr << path << ": no \"Links\" element\n";
    return 1;
  }

  // First make every stored entity and file it under its identifier, then let
  // each read itself, so references resolve whatever their order in the file.
  std::vector<ZALMPDeserializer*> elements;
  links->GetElements(elements);
  ZALMPIdentifierMap ids;
  std::vector<RVLSharedHandle<ZALMPEntity>> made;
  for (ZALMPDeserializer* element : elements) {
    std::wstring elementId, id;
    element->GetId(elementId);
    RVLSharedHandle<ZALMPEntity> entity;
    if (FAILED(ZALMPFactory::Create(ZALMPSerializationServices::to_type(elementId), entity)) ||
        FAILED(element->GetAttribute(L"id", id))) {
      std::cerr << "skipped an element " << Narrow(elementId) << "\n";
      continue;
    }
    ids[id] = entity;
    made.push_back(entity);
  }
  for (const RVLSharedHandle<ZALMPEntity>& entity : made) entity->Deserialize(links, ids);

  for (const RVLSharedHandle<ZALMPEntity>& entity : made) {
    const RVLSharedHandle<ZALMPExampleLink> link(entity);
    std::wstring id;
    link->GetIdentifier(id);
    std::cout << link->GetID() << "  (" << link->getClassName() << ", " << Narrow(id) << ")  length "
              << link->length << (link->IsActive() ? "" : "  inactive");
    for (int i = 0; i < link->GetAggregatedElementCount(); ++i) {
      RVLSharedHandle<ZALMPEntity> part;
      link->GetAggregatedElement(i, part);
      std::cout << "  aggregates " << part->GetID();
    }
    std::cout << "\n";
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv)
{
  const std::string path = argc > 1 ? argv[1] : "demo.xml";
  if (const int status = Save(path)) return status;
  return Load(path);
}
