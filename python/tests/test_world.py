"""The world's registries, globals, settings, copies, observer, and lifetimes."""
import gc

import numpy as np
import pytest

import zalmp


def small_world():
    world = zalmp.World()
    ground, crank = world.global_body, zalmp.Body("Crank")
    hinge = zalmp.Revolute("Hinge")
    for body in (ground, crank):
        hinge.link("bodies", body)
        body.link("joints", hinge)
    assert world.add(crank) and world.add(hinge)
    return world, crank, hinge


def test_registries_follow_the_worlds_order_and_refusals_are_false():
    world, crank, hinge = small_world()
    assert list(world.registries) == ["actuators", "bodies", "connectors", "constraints", "geometries",
                                      "interactions", "joints", "materials", "sensors", "values", "variables",
                                      "shapes", "attributes", "supports"]
    assert [b.name for b in world.bodies] == ["GlobalBody", "Crank"]
    assert list(world.joints) == [hinge] and world.joints[-1] == hinge
    assert world.global_time in list(world.variables)
    assert not world.add(crank), "filed twice is refused"
    assert world.remove(hinge) and not world.remove(hinge)
    assert len(world.joints) == 0 and hinge.bodies == [world.global_body, crank], "removal keeps the links"


def test_settings_read_back():
    world = zalmp.World()
    world.gravity = [0, 0, -9.81]
    world.linear_tolerance = 0.125
    assert np.array_equal(world.gravity, [0, 0, -9.81]) and world.linear_tolerance == 0.125
    with pytest.raises(ValueError):
        world.origin = [1, 2]


def test_copies_share_nothing_with_their_source(tmp_path):
    world, crank, hinge = small_world()
    crank.mass = 2.0
    copy = world.clone()
    copied = copy.bodies[1]
    assert copied != crank and copied.name == "Crank" and copied.mass == 2.0
    copied.mass = 7.0
    assert crank.mass == 2.0
    filtered = world.clone_with_filter([crank, hinge])
    assert [b.name for b in filtered.bodies] == ["GlobalBody", "Crank"]
    crank_copy, hinge_copy = filtered.bodies[1], filtered.joints[0]
    assert crank_copy != crank and hinge_copy != hinge
    assert crank_copy.joints == [hinge_copy], "the copies are linked as their sources"
    assert world.global_body not in hinge_copy.bodies, "links to what was not copied are left out"


def test_the_observer_lists_what_reported_a_change():
    world, crank, hinge = small_world()
    observer = zalmp.Observer()
    observer.subscribe(world)
    crank.notify_update()
    hinge.notify_update()
    crank.notify_update()
    assert observer.moving_bodies() == [crank] and observer.modified_entities() == [hinge]
    observer.reset()
    assert observer.moving_bodies(since_reset=True) == [] and observer.moving_bodies() == [crank]
    observer.unsubscribe()
    crank.notify_update()
    assert observer.moving_bodies() == []


def test_entities_outlive_the_world_object_they_came_from(demo_file):
    world = zalmp.load(demo_file).world
    crank = next(body for body in world.bodies if body.name == "Crank")
    joints = crank.joints
    del world
    gc.collect()
    assert crank.alive and crank.name and len(crank.joints) == len(joints) > 0
    assert all(crank in joint.bodies for joint in crank.joints)

    # a new entity filed in a world that Python lets go of keeps its fields
    orphan = zalmp.Body("Kept")
    orphan.mass = 3.0
    world = zalmp.World()
    world.add(orphan)
    del world
    gc.collect()
    assert orphan.mass == 3.0 and orphan.name == "Kept"
