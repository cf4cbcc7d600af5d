# The two commands of the README:
#   make run   installs what is missing, builds and starts the program
#   make test  the same set-up, then every test, headless: the Linux suite, the suite
#              under the sanitizers, each fuzz harness briefly, and the Windows program
#              under Wine (the first run builds Qt for Windows, about 15 minutes)
# Debian packages are listed once, in debian-packages.txt.

PRESET   := default
RUNS     := 10
MEMORY_ROUNDS :=
PAGE_ROUNDS := 100
PAGE_LIMIT_KIB := 300
FUZZ_SECONDS := 60
TEST_FUZZ_SECONDS := 15
FUZZ_HARNESSES :=
# A desktop's X server outlives its clients; Xvfb without -noreset resets when its last
# client leaves and turns away a program that connects meanwhile.
XVFB     := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"
PACKAGES := $(shell grep -v -e '^\#' -e '^[[:space:]]*$$' debian-packages.txt)

.PHONY: run test test-linux test-sanitizers fuzz windows test-windows bench bench-against bench-windows package update-list deps configure build clean

run: build
	./build/vettora

test: test-linux test-sanitizers
	$(MAKE) fuzz FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)
	$(MAKE) test-windows

# The Linux suite alone.
test-linux: build
	ctest --preset $(PRESET)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitizers: deps
	cmake --preset sanitizers
	cmake --build --preset sanitizers
	ctest --preset sanitizers

# Every reader of outside input under libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer), FUZZ_SECONDS seconds each; faults go to fuzz-findings/.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	tests/fuzz/run.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_HARNESSES)

# The Windows program, cross-built with MinGW-w64 against Qt for Windows, which is built
# once from Debian's source into ~/.cache/vettora (about 15 minutes the first time):
# build-windows/ holds the program, its installer and its portable zip.
windows: build
	packaging/windows/build.sh package

# The test suite built for Windows, run under Wine, and the end-to-end test of the zip
# and the installer under Wine and Xvfb.
test-windows: build
	packaging/windows/build.sh test

# Start-up time and memory of the program against its baselines, under Xvfb and in a
# D-Bus session of its own, as on a desktop. The benchmark is the advert server itself,
# through a proxy on the loopback address. Then each page opened and closed PAGE_ROUNDS
# times: the heap may not grow by more than PAGE_LIMIT_KIB a page.
bench: build
	QTWEBENGINE_DISABLE_SANDBOX=1 dbus-run-session -- $(XVFB) \
	  ./build/bench/startup_bench ./build/vettora ./build/bench/bare_window ./build/bench/web_window $(RUNS) $(MEMORY_ROUNDS)
	$(XVFB) ./build/page_memory $(PAGE_ROUNDS) $(PAGE_LIMIT_KIB)

# Two builds' first paint side by side, alternately, RUNS_AGAINST times: BEFORE is an
# earlier build/vettora kept beside it in build/ (it finds its data there), e.g.
#   cp build/vettora build/vettora-before; (change, build); make bench-against
BEFORE   := build/vettora-before
RUNS_AGAINST := 50
bench-against: build
	@test -x $(BEFORE) || { echo "no earlier build at $(BEFORE): copy build/vettora there first"; exit 2; }
	dbus-run-session -- $(XVFB) \
	  ./build/bench/startup_bench --against $(BEFORE) ./build/vettora ./build/bench/bare_window $(RUNS_AGAINST)

# The Windows leg: the Windows program and a bare window built the same way, under Wine
# (first paint and memory), then the pages opened and closed as above, under a window
# manager (without one, Wine waits two seconds for each window it hides). The Wine server
# runs throughout, so that no start pays for it.
bench-windows: build
	packaging/windows/build.sh program
	$(XVFB) sh -c 'packaging/windows/wine-run.sh wineboot -i; \
	  WINEPREFIX=$(CURDIR)/build-windows/wine wineserver -p; \
	  ./build/bench/startup_bench --windows packaging/windows/wine-run.sh \
	    build-windows/vettora.exe build-windows/bare_window.exe $(RUNS); \
	  status=$$?; \
	  openbox >/dev/null 2>&1 & wm=$$!; \
	  packaging/windows/wine-run.sh build-windows/page_memory.exe $(PAGE_ROUNDS) $(PAGE_LIMIT_KIB) || status=1; \
	  kill $$wm; WINEPREFIX=$(CURDIR)/build-windows/wine wineserver -k; exit $$status'

# The Debian package, in build/.
package: build
	cd build && cpack -G DEB

# The signed update list for the built installer and Debian package, in build/update.txt,
# with the maker's secret key from a file outside the repository (README, Updates):
#   make update-list KEY=~/vettora-maker.key NOTES=notes.txt [DAYS=60]
KEY      :=
NOTES    :=
DAYS     := 60
update-list: build
	@test -f "$(KEY)" && test -f "$(NOTES)" || { echo "give KEY=<the maker's secret key file> and NOTES=<release notes>"; exit 2; }
	@case "$$(realpath "$(KEY)")" in "$(CURDIR)"/*) echo "the secret key must live outside the repository"; exit 2;; esac
	version=$$(sed -n 's/^#define VETTORA_VERSION "\(.*\)"$$/\1/p' build/identity/product_identity.h); \
	./build/tools/vettora_make_update_list sign "$(KEY)" "$$version" $(DAYS) "$(NOTES)" build/update.txt \
	  windows-x64=build-windows/Vettora-$$version-setup.exe debian-amd64=build/vettora_$$version-1_amd64.deb

build: configure
	cmake --build --preset $(PRESET)

# UPDATE_KEY: the maker's public key, which the updater trusts (kept in the build's cache).
UPDATE_KEY :=
configure: deps
	cmake --preset $(PRESET) $(if $(UPDATE_KEY),-DVETTORA_UPDATE_KEY=$(UPDATE_KEY))

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' "$$p" 2>/dev/null | grep -q '^install ok installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	  echo "Installing:$$missing"; \
	  $$sudo apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q $$missing; \
	fi

clean:
	rm -rf build build-sanitizers build-fuzz build-windows
