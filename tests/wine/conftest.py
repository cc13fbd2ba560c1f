"""Fixtures of the tests under Wine. CTest hands in the build's Wine runner,
the probe, the program, the installers and the folders as options; a test
that needs one not given fails. Tests that drive windows are skipped, never
passed, without xdotool or ImageMagick's import."""

import os
import shutil

import pytest

pytest.register_assert_rewrite("winesupport", "xsupport")

from winesupport import Machine, Program, Wine  # noqa: E402

OPTIONS = {
    "runner": "the build's wine-run.sh",
    "probe": "kivo_wine_probe.exe",
    "program": "the program under test, in the unpacked portable folder",
    "portable": "the unpacked portable folder",
    "installer": "this version's installer",
    "next-installer": "the next version's installer, signed",
    "signer": "the certificate that signed the next installer (PEM)",
    "prefix": "the Wine prefix",
    "pictures": "the installer's pictures (packaging/windows)",
    "licence": "the licence the installer shows (LICENSE)",
    "site": "the product's site",
    "forum": "the forum's address",
    "online-help": "the online help's address",
    "packages-config": "the build's windows-packages.cmake",
    "out": "the folder the package test makes the packages in",
    "package-name": "the packages' name, without extension",
    "max-mb": "the installer's largest size in megabytes",
    "objdump": "objdump for Windows programs",
}


def pytest_addoption(parser):
    for name, meaning in OPTIONS.items():
        parser.addoption(f"--{name}", help=meaning)


@pytest.fixture(scope="session")
def option(request):
    """The value of a command-line option; fails the test without it."""
    def value(name):
        given = request.config.getoption(name.replace("-", "_"))
        if given is None:
            pytest.fail(f"no --{name}=... ({OPTIONS[name]}) given")
        return given
    return value


@pytest.fixture(scope="session")
def wine(option):
    missing = [tool for tool in ("xdotool", "import") if shutil.which(tool) is None]
    if missing:
        pytest.skip(f"{', '.join(missing)} not installed (scripts/install-deps.sh installs them)")
    if not os.environ.get("DISPLAY"):
        pytest.fail("no X display (DISPLAY); run the Windows tests through scripts/test-windows.sh")
    return Wine(option("runner"), option("probe"))


@pytest.fixture(scope="session")
def program(option):
    return option("program")


@pytest.fixture(scope="session")
def installer(option):
    return option("installer")


@pytest.fixture(scope="session")
def next_installer(option):
    return option("next-installer")


@pytest.fixture
def machine(wine, option):
    """The Wine prefix with nothing of ours in it, as a new machine."""
    machine = Machine(wine, option("prefix"))
    machine.clean()
    return machine


@pytest.fixture
def launch(wine):
    """Starts Windows programs; ends those still running when the test is over."""
    started = []

    def start(executable, name="program", own_dlls_only=True, env=None, args=()):
        started.append(Program(wine, executable, name=name, own_dlls_only=own_dlls_only, env=env, args=args))
        return started[-1]

    yield start
    for process in started:
        process.terminate()
