import os
import pathlib
import subprocess

import pytest

SOURCE = pathlib.Path(__file__).resolve().parents[2]
ROBOTS = SOURCE / "fuzz" / "corpus" / "urdf"


@pytest.fixture(scope="session")
def demo_file(tmp_path_factory):
    """The demo mechanism as the command-line tool saves it."""
    tool = os.environ.get("ZALMP_TOOL")
    if not tool:
        pytest.fail("ZALMP_TOOL names the zalmp program that builds the demo")
    path = tmp_path_factory.mktemp("demo") / "demo.xml"
    subprocess.run([tool, "demo", str(path)], check=True, stdout=subprocess.DEVNULL)
    return path


@pytest.fixture
def robots():
    paths = sorted(p for p in ROBOTS.glob("*.urdf") if p.name not in ("chain.urdf", "floating.urdf"))
    assert len(paths) == 6, paths
    return paths
