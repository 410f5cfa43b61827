# Shared by the tests of an installed copy (sourced after common.bash): $2 of the test
# is the build folder, whose install rules the tests run into temporary prefixes.
BUILD_DIR=${2:?usage: test.sh path/to/tenukiro path/to/build}
SKIP_CODE=77  # the tests' SKIP_RETURN_CODE

skip() { echo "skipped: $*"; exit "$SKIP_CODE"; }

install_into() {  # install_into PREFIX
  cmake --install "$BUILD_DIR" --prefix "$1" >"$WORK/install.log" 2>&1 ||
    fail "install into $1 failed: $(cat "$WORK/install.log")"
}

# The show's picture at 8 s of the record list a program finds with an empty profile;
# with one seed, two programs that find the same record draw the same picture.
show_picture() {  # show_picture PROGRAM OUT.png [--set Name=Value...]
  "$1" --render "$2" --size 320x240 --at 8000 --seed 5 "${@:3}" || fail "$1 --render failed"
}
