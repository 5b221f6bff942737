#!/usr/bin/env python3
"""Small seed documents for the model fuzz target, cut from whole model files.

Each seed holds the world's settings and globals, one entity, and the entities
it refers to directly: small inputs the fuzzer mutates quickly, that still
reach every kind's reader. Usage: make-model-seeds.py OUT_DIR MODEL.xml...
"""
import copy
import hashlib
import pathlib
import sys
import xml.etree.ElementTree as ET

NS = "urn:zalmp:element-tree"
ET.register_namespace("zalmp", NS)


def cut(path, out_dir):
    root = ET.parse(path).getroot()
    world = root.find("World")
    registries = [child for child in world if len(child) and child.find("*[@id]") is not None and child.tag != "Globals"]
    by_id = {}
    for registry in registries:
        for entity in registry:
            by_id.setdefault(entity.get("id"), (registry.tag, entity))
    made = 0
    for registry in registries:
        for entity in registry:
            wanted = {entity.get("id")} | {e.get("id") for e in entity.iter() if e is not entity and e.get("id")}
            seed = copy.deepcopy(root)
            seed_world = seed.find("World")
            for child in list(seed_world):
                if child.tag in {r.tag for r in registries}:
                    seed_world.remove(child)
            kept = {}
            for entity_id in sorted(i for i in wanted if i in by_id):
                tag, element = by_id[entity_id]
                kept.setdefault(tag, []).append(element)
            for registry_in_order in registries:
                if registry_in_order.tag in kept:
                    holder = ET.SubElement(seed_world, registry_in_order.tag)
                    holder.extend(copy.deepcopy(e) for e in kept[registry_in_order.tag])
            text = ET.tostring(seed, encoding="utf-8", xml_declaration=True)
            name = hashlib.sha1(text).hexdigest()[:16] + ".xml"
            (out_dir / name).write_bytes(text)
            made += 1
    return made


out = pathlib.Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
print(sum(cut(p, out) for p in sys.argv[2:]), "seeds")
