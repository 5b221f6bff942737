"""Model files and URDF robots from Python, and what a failed load gives."""
import xml.etree.ElementTree as ElementTree

import pytest

import zalmp


def test_the_demo_loads_with_its_mechanism(demo_file, tmp_path):
    model = zalmp.load(demo_file)
    world = model.world
    assert model.version == zalmp.newest_version and model.warnings == []
    # a loaded world files its entities in the order of their saved identifiers
    names = [body.name for body in world.bodies]
    assert sorted(names) == ["Coupler", "Crank", "GlobalBody", "Ground", "Rocker"], names
    assert world.global_body in list(world.bodies) and world.bodies[-1] == world.bodies[len(names) - 1]
    assert len(world.joints) == 4 and all(isinstance(j, zalmp.Revolute) for j in world.joints)
    crank = world.bodies[names.index("Crank")]
    assert crank.mass > 0
    assert all(crank in joint.bodies for joint in crank.joints)
    spring = next(c for c in world.connectors if isinstance(c, zalmp.LinearSpring))
    assert spring.stiffness > 0 and spring.damping_coefficient is None, "the damping is an expression"
    with pytest.raises(IndexError):
        world.bodies[5]

    # a change saved under a new name reads back, in an older layout too
    spring.stiffness = 4321.5
    for version in ("R2018.1", "R2016.0"):
        path = tmp_path / ("changed-%s.xml" % version)
        zalmp.save(world, path, version=version)
        again = zalmp.load(path)
        assert again.version == version
        springs = [c for c in again.world.connectors if c.identifier == spring.identifier]
        assert springs[0].stiffness == 4321.5
        assert [len(r) for r in again.world.registries.values()] == [len(r) for r in world.registries.values()]


def test_a_failed_load_raises_the_librarys_message(tmp_path):
    broken = tmp_path / "broken.xml"
    broken.write_text('<ZALMPModel version="R2018.1">\n  <World>\n</ZALMPModel>\n')
    with pytest.raises(zalmp.Error, match=r"broken\.xml:3:\d+: ") as error:
        zalmp.load(broken)
    assert "World" in str(error.value) or "mismatch" in str(error.value).lower()
    with pytest.raises(zalmp.Error, match="no <World>"):
        empty = tmp_path / "empty.xml"
        empty.write_text('<ZALMPModel version="R2018.1"/>')
        zalmp.load(empty)
    with pytest.raises(zalmp.Error):
        zalmp.load(tmp_path / "missing.xml")
    with pytest.raises(zalmp.Error):
        zalmp.save(zalmp.World(), tmp_path / "x.xml", version="R1999.0")
    assert not (tmp_path / "x.xml").exists()


def urdf_expectations(path):
    robot = ElementTree.parse(path).getroot()
    masses = {}
    for link in robot.findall("link"):
        mass = link.find("inertial/mass")
        masses[link.get("name")] = float(mass.get("value")) if mass is not None else 0.0
    joints = [j for j in robot.findall("joint") if j.get("type") != "floating"]
    return masses, len(joints)


def test_the_robot_descriptions_import_with_their_counts_and_masses(robots, tmp_path):
    for path in robots:
        masses, joint_count = urdf_expectations(path)
        model = zalmp.import_urdf(path)
        world = model.world
        bodies = {body.name: body.mass for body in world.bodies if body != world.global_body}
        assert bodies == pytest.approx(masses), path.name
        assert len(world.joints) == joint_count, path.name

        fixed = zalmp.import_urdf(path, fixed_base=True).world
        assert len(fixed.joints) == joint_count + 1, path.name + ": the base is joined to the world"

        out = tmp_path / path.name
        zalmp.export_urdf(world, out)
        assert urdf_expectations(out) == (masses, joint_count), path.name

    with pytest.raises(zalmp.Error, match="not-a-robot"):
        zalmp.import_urdf(tmp_path / "not-a-robot.urdf")
    with pytest.raises(zalmp.Error):
        zalmp.export_urdf(zalmp.World(), tmp_path / "nothing.urdf")
