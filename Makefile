# The two commands of the README:
#   make run   installs what is missing, builds and starts the program
#   make test  the same set-up, then the whole test suite, headless
# Debian packages are listed once, in debian-packages.txt.

PRESET   := default
RUNS     := 10
MEMORY_ROUNDS :=
PACKAGES := $(shell grep -v -e '^\#' -e '^[[:space:]]*$$' debian-packages.txt)

.PHONY: run test test-sanitizers bench package deps configure build clean

run: build
	./build/vettora

test: build
	ctest --preset $(PRESET)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitizers: deps
	cmake --preset sanitizers
	cmake --build --preset sanitizers
	ctest --preset sanitizers

# Start-up time and memory of the program against its baselines, under Xvfb. The
# benchmark is the advert server itself, through a proxy on the loopback address.
bench: build
	QTWEBENGINE_DISABLE_SANDBOX=1 xvfb-run -a -s "-screen 0 1280x1024x24" \
	  ./build/bench/startup_bench ./build/vettora ./build/bench/bare_window ./build/bench/web_window $(RUNS) $(MEMORY_ROUNDS)

# The Debian package, in build/.
package: build
	cd build && cpack -G DEB

build: configure
	cmake --build --preset $(PRESET)

configure: deps
	cmake --preset $(PRESET)

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
	rm -rf build build-sanitizers
