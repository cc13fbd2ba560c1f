"""Fixtures of the end-to-end tests: the program under test (--program), a
private X server and runtime folder, and copies of the program started on
them. A test marked tools("Xvfb", ...) is skipped, never passed, when one
of those programs is missing."""

import os
import shutil

import pytest

pytest.register_assert_rewrite("xsupport")

from xsupport import Program, XServer, private_runtime_dir  # noqa: E402


def pytest_addoption(parser):
    parser.addoption("--program", help="the program under test (kivo-love-numerology)")


def pytest_configure(config):
    config.addinivalue_line("markers", "tools(*names): programs the test needs on the PATH")


@pytest.hookimpl(tryfirst=True)
def pytest_runtest_setup(item):
    needed = [tool for marker in item.iter_markers("tools") for tool in marker.args]
    missing = [tool for tool in needed if shutil.which(tool) is None]
    if missing:
        pytest.skip(f"{', '.join(missing)} not installed (scripts/install-deps.sh installs them)")


@pytest.fixture(scope="session")
def program(request):
    path = request.config.getoption("--program")
    if not path:
        pytest.fail("no program to test: pass --program=PATH")
    return os.path.abspath(path)


@pytest.fixture
def runtime_dir():
    with private_runtime_dir() as path:
        yield path


@pytest.fixture
def xserver():
    with XServer() as server:
        yield server


@pytest.fixture
def launch(program, xserver, runtime_dir):
    """Starts copies of the program on the test's X server; ends those still
    running when the test is over."""
    started = []

    def start(name="the program", env=None, args=()):
        started.append(Program(program, xserver, runtime_dir, name=name, env=env, args=args))
        return started[-1]

    yield start
    for app in started:
        app.terminate()
