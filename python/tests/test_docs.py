"""The README's Python example is the script that drew the committed picture."""
from conftest import ROOT


def test_readme_shows_the_example_script_and_its_picture():
    readme = (ROOT / "README.md").read_text()
    script = (ROOT / "docs" / "python_example.py").read_text()
    assert "```python\n" + script + "```" in readme
    picture = "docs/head_deflection_vs_length.png"
    assert f"({picture})" in readme and picture in script
    assert (ROOT / picture).read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
