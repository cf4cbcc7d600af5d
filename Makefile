# The two commands of the README:
#   make run   installs what is missing, builds and starts the program
#   make test  the same set-up, then the whole test suite, headless
# Debian packages are listed once, in debian-packages.txt.

PRESET   := default
PACKAGES := $(shell grep -v -e '^\#' -e '^[[:space:]]*$$' debian-packages.txt)

.PHONY: run test deps configure build clean

run: build
	./build/vettora

test: build
	ctest --preset $(PRESET)

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
	rm -rf build
