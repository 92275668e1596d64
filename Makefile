# Set-up, build and test in two commands: `make run` and `make test`.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Debian packages: the first line builds the tool, the rest only the tests,
# the benchmark and the fuzz target.
BUILD_PACKAGES = cmake g++ make qtbase5-dev
TEST_PACKAGES = qtdeclarative5-dev qml-module-qtquick2
BENCH_PACKAGES = libbenchmark-dev
FUZZ_PACKAGES = clang libclang-rt-14-dev

EXAMPLE = examples/hero.json

.PHONY: all run test deps test-deps bench fuzz sanitize install clean

all: $(BUILD_DIR)/Makefile
	cmake --build $(BUILD_DIR) -j $(JOBS)

$(BUILD_DIR)/Makefile:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release

run: deps all
	$(BUILD_DIR)/src/rigsmith $(EXAMPLE) examples/Hero.qml
	@echo "The QML document is in examples/Hero.qml"

test: deps test-deps all
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Builds and runs every test under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps test-deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

install: all
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-bench build-fuzz

# Installs what is missing when root; otherwise names what to install.
define install_missing
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then apt-get update && apt-get install -y $$missing; \
	  else echo "Please install these Debian packages:$$missing"; exit 1; fi; \
	fi
endef

deps:
	$(call install_missing,$(BUILD_PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))
