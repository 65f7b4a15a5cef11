#!/usr/bin/env python3
"""Checks the Windows packages the build made (win32/package/): the winget
manifests parse as YAML and describe one silent per-user nullsoft installer,
the Scoop manifest parses as JSON, both carry the version and the SHA-256 of
the installer beside them, and the portable zip holds exactly Corvallo.exe
(the one just built), README.md and LICENSE. Prints every problem found and
exits with 1 when there is one."""

import argparse
import hashlib
import json
import pathlib
import sys
import zipfile

import yaml

problems = []


def expect(condition, message):
    if not condition:
        problems.append(message)


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def check_winget(folder, version, installer):
    manifests = {}
    for path in sorted(folder.glob("*.yaml")):
        with path.open(encoding="utf-8") as stream:
            manifests[path.name] = yaml.safe_load(stream)
    kinds = {manifest.get("ManifestType"): manifest for manifest in manifests.values()}
    expect(set(kinds) == {"version", "installer", "defaultLocale"},
           f"winget: manifest types {sorted(map(str, kinds))}")
    for name, manifest in manifests.items():
        expect(manifest.get("PackageIdentifier") == "Corvallo.Corvallo",
               f"winget {name}: PackageIdentifier {manifest.get('PackageIdentifier')!r}")
        expect(manifest.get("PackageVersion") == version,
               f"winget {name}: PackageVersion {manifest.get('PackageVersion')!r}")
    setup = kinds.get("installer", {})
    expect(setup.get("InstallerType") == "nullsoft", "winget: InstallerType is not nullsoft")
    expect(setup.get("Scope") == "user", "winget: Scope is not user")
    expect(setup.get("InstallerSwitches", {}).get("Silent") == "/S",
           "winget: the silent switch is not /S")
    installers = setup.get("Installers") or [{}]
    expect(len(installers) == 1, "winget: not one installer")
    entry = installers[0]
    expect(str(entry.get("InstallerUrl", "")).endswith("/" + installer.name),
           f"winget: InstallerUrl {entry.get('InstallerUrl')!r}")
    expect(str(entry.get("InstallerSha256", "")).lower() == sha256(installer),
           "winget: InstallerSha256 is not the installer's")


def check_scoop(path, version, installer):
    with path.open(encoding="utf-8") as stream:
        manifest = json.load(stream)
    expect(manifest.get("version") == version, f"scoop: version {manifest.get('version')!r}")
    entry = manifest.get("architecture", {}).get("64bit", {})
    expect(str(entry.get("url", "")).endswith("/" + installer.name),
           f"scoop: url {entry.get('url')!r}")
    expect(str(entry.get("hash", "")).lower() == sha256(installer),
           "scoop: hash is not the installer's")
    expect("/S" in manifest.get("installer", {}).get("args", []),
           "scoop: the installer is not run with /S")


def check_zip(path, program, readme, licence):
    with zipfile.ZipFile(path) as archive:
        expect(sorted(archive.namelist()) == ["Corvallo.exe", "LICENSE", "README.md"],
               f"zip: holds {sorted(archive.namelist())}")
        for name, original in (("Corvallo.exe", program), ("README.md", readme),
                               ("LICENSE", licence)):
            if name in archive.namelist():
                expect(archive.read(name) == original.read_bytes(),
                       f"zip: {name} is not the build's")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--packages", "--version", "--program", "--readme", "--license"):
        parser.add_argument(option, required=True)
    arguments = parser.parse_args()
    packages = pathlib.Path(arguments.packages)
    version = arguments.version
    installer = packages / f"Corvallo-{version}-setup.exe"
    portable = packages / f"Corvallo-{version}-portable.zip"
    for path in (installer, portable):
        if not path.is_file():
            print(f"missing: {path}")
            return 1
    check_winget(packages / "winget", version, installer)
    check_scoop(packages / "scoop" / "corvallo.json", version, installer)
    check_zip(portable, pathlib.Path(arguments.program), pathlib.Path(arguments.readme),
              pathlib.Path(arguments.license))
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
