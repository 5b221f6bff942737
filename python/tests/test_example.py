"""The example script of examples/, run on the demo."""
import pathlib
import subprocess
import sys

import zalmp

EXAMPLE = pathlib.Path(__file__).resolve().parents[2] / "examples" / "zalmp_model_report.py"


def test_the_example_reports_the_bodies_and_saves_a_stiffer_spring(demo_file, tmp_path):
    target = tmp_path / "stiffer.xml"
    run = subprocess.run([sys.executable, str(EXAMPLE), str(demo_file), str(target)],
                         check=True, capture_output=True, text=True)
    rows = {line.split()[0]: line.split()[1:] for line in run.stdout.splitlines()[1:6]}
    source = zalmp.load(demo_file).world
    assert set(rows) == {body.name for body in source.bodies}
    for body in source.bodies:
        assert float(rows[body.name][0]) == float("%.4g" % body.mass) and int(rows[body.name][1]) == len(body.joints)

    springs = {s.identifier: s.stiffness for s in source.connectors if isinstance(s, zalmp.LinearSpring)}
    saved = zalmp.load(target).world
    assert {s.identifier: s.stiffness for s in saved.connectors if s.identifier in springs} == \
        {identifier: 2 * stiffness for identifier, stiffness in springs.items()}

    failed = subprocess.run([sys.executable, str(EXAMPLE), str(tmp_path / "missing.xml"), str(target)],
                            capture_output=True, text=True)
    assert failed.returncode != 0 and "missing.xml" in failed.stderr
